// Reads every value of an INI file through QSettings, as the project reader reads every key: the
// yardstick of the whole-process benchmark.
#include <QSettings>
#include <QString>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.ini\n", argv[0]);
        return 2;
    }
    QSettings settings(QString::fromLocal8Bit(argv[1]), QSettings::IniFormat);
    qsizetype characters = 0;
    for (const QString& key : settings.allKeys()) {
        characters += settings.value(key).toString().size();
    }
    return characters > 0 ? 0 : 1;
}
