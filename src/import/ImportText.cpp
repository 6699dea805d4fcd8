#include "import/ImportText.h"

#include "model/UserMessage.h"

namespace importing {

std::string ImportText::English() const {
    return model::FilledIn(text, args);
}

} // namespace importing
