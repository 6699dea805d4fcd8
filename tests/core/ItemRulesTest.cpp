#include "model/ItemRules.h"

#include <gtest/gtest.h>

using model::ItemWrite;

namespace {

model::ItemEditorFields Typed(std::string text, std::string link) {
    model::ItemEditorFields fields;
    fields.text = std::move(text);
    fields.link = std::move(link);
    return fields;
}

} // namespace

TEST(ItemRules, TheMarkerGoesOnItemsBelowAHeadingAndComesOffWhole) {
    EXPECT_EQ(model::IndentRule("Apples", false, false), "Apples");
    // The typed text is kept as typed, spaces included.
    EXPECT_EQ(model::IndentRule(" x ", false, true), "    x ");

    EXPECT_EQ(model::WithoutIndentMarker("   Apples"), "Apples");
    EXPECT_EQ(model::WithoutIndentMarker("     Two"), "  Two");
    EXPECT_EQ(model::WithoutIndentMarker("  Short"), "  Short");
    EXPECT_EQ(model::WithoutIndentMarker("   "), "");
    EXPECT_EQ(model::WithoutIndentMarker("\t  Tab"), "\t  Tab");
}

TEST(ItemRules, AddFilesAHeadingUnlinkedWhileUpdateLinksItWithoutAddress) {
    auto heading = Typed("Fruit", "left.html");
    heading.heading = true;
    const model::MenuItem added = model::ItemFromEditor(heading, ItemWrite::Add, true);
    EXPECT_EQ(added, (model::MenuItem{"Fruit", "No", "", "No", "Default", "Default", "Yes"}));
    heading.link.clear(); // a heading's link box is emptied by the editor
    EXPECT_EQ(model::ItemFromEditor(heading, ItemWrite::Update, true),
              (model::MenuItem{"Fruit", "Yes", "", "No", "Default", "Default", "Yes"}));

    // "Not linked" drops the typed address in both.
    auto unlinked = Typed("Note", "kept.html");
    unlinked.notLinked = true;
    for (const ItemWrite write : {ItemWrite::Add, ItemWrite::Update}) {
        const auto item = model::ItemFromEditor(unlinked, write, true);
        EXPECT_EQ(item.text + '|' + item.linked + '|' + item.url, "   Note|No|");
    }
}

TEST(ItemRules, ADeletionSelectsTheNextRowOrTheNewLast) {
    EXPECT_EQ(model::RowAfterDeletion(1, 3), 1u);
    EXPECT_EQ(model::RowAfterDeletion(0, 1), 0u);
    EXPECT_EQ(model::RowAfterDeletion(3, 3), 2u);
    EXPECT_EQ(model::RowAfterDeletion(0, 0), std::nullopt);
}
