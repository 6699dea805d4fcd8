#include "platform/CRegSettings.h"

#include "support/TestEnvironment.h"

#include <QFile>
#include <QtTest>

class CRegSettingsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

    static CRegSettings ProgramSettings() {
        CRegSettings settings;
        settings.SetAppName("Quorvane");
        settings.SetCompany("Brindlecote");
        return settings;
    }

  private slots:
    void cleanup() { QFile::remove(environment.path("config/Brindlecote/Quorvane.conf")); }

    void namesStartPlainAreTrimmedAndRestoredByEmpty() {
        CRegSettings settings;
        QCOMPARE(settings.Company(), QString("VB and VBA Program Settings"));
        QCOMPARE(settings.AppName(), QString("Quorvane"));
        settings.SetCompany("  Brindlecote ");
        settings.SetAppName(" Other ");
        QCOMPARE(settings.Company(), QString("Brindlecote"));
        QCOMPARE(settings.AppName(), QString("Other"));
        settings.SetCompany("   ");
        QCOMPARE(settings.Company(), QString(""));
        settings.SetCompany("");
        settings.SetAppName("");
        QCOMPARE(settings.Company(), QString("VB and VBA Program Settings"));
        QCOMPARE(settings.AppName(), QString("Quorvane"));
    }

    void settingsRoundTripIntoTheUsersConfigFolder() {
        const CRegSettings settings = ProgramSettings();
        QCOMPARE(settings.GetSetting("Options", "Show Tips at Startup", "1"), QString("1"));
        QVERIFY(settings.SaveSetting("Options", "Show Tips at Startup", "0"));
        QVERIFY(settings.SaveSetting("Folders", "Last Used Save Folder", "/home/u/a, b/m.qvn"));
        QVERIFY(settings.SaveSetting("Recent Files", "1", ""));
        QVERIFY(settings.SaveSetting("Messages", "*", "@unnamed"));

        const CRegSettings another = ProgramSettings();
        QCOMPARE(another.GetSetting("Options", "Show Tips at Startup", "1"), QString("0"));
        QCOMPARE(another.GetSetting("Folders", "Last Used Save Folder"),
                 QString("/home/u/a, b/m.qvn"));
        QCOMPARE(another.GetSetting("Recent Files", "1", "fallback"), QString(""));
        QCOMPARE(another.GetSetting("Recent Files", "2", "fallback"), QString("fallback"));
        QCOMPARE(another.GetSetting("Messages", "*", "no"), QString("@unnamed"));
        QVERIFY(QFile::exists(environment.path("config/Brindlecote/Quorvane.conf")));
        QCOMPARE(CRegSettings().GetSetting("Options", "Show Tips at Startup", "1"), QString("1"));
    }

    void deletingAValueOrASection() {
        const CRegSettings settings = ProgramSettings();
        settings.SaveSetting("Recent Files", "1", "/a.qvn");
        settings.SaveSetting("Recent Files", "2", "/b.qvn");
        settings.SaveSetting("Options", "Show Tips at Startup", "0");

        QVERIFY(settings.DeleteSetting("Recent Files", "1"));
        QVERIFY(!settings.DeleteSetting("Recent Files", "1"));
        QCOMPARE(settings.GetSetting("Recent Files", "1", "gone"), QString("gone"));
        QCOMPARE(settings.GetSetting("Recent Files", "2"), QString("/b.qvn"));

        QVERIFY(settings.DeleteSetting("Recent Files"));
        QVERIFY(!settings.DeleteSetting("Recent Files"));
        QCOMPARE(settings.GetSetting("Recent Files", "2", "gone"), QString("gone"));
        QVERIFY(!settings.DeleteSetting(""));
        QCOMPARE(settings.GetSetting("Options", "Show Tips at Startup"), QString("0"));
    }

    void allSettingsOfASection() {
        const CRegSettings settings = ProgramSettings();
        QVERIFY(settings.GetAllSettings("Messages").empty());
        settings.SaveSetting("Messages", "Show IE Message", "no");
        settings.SaveSetting("Messages", "Show Button Border Message", "");
        settings.SaveSetting("Messages", "*", "x");
        settings.SaveSetting("Options", "Show Tips at Startup", "1");

        const auto all = settings.GetAllSettings("Messages");
        using Setting = std::pair<QString, QString>;
        QCOMPARE(all.size(), 3u);
        QVERIFY(std::find(all.begin(), all.end(), Setting{"Show IE Message", "no"}) != all.end());
        QVERIFY(std::find(all.begin(), all.end(), Setting{"Show Button Border Message", ""}) !=
                all.end());
        QVERIFY(std::find(all.begin(), all.end(), Setting{"*", "x"}) != all.end());
    }
};

QTEST_MAIN(CRegSettingsTest)
#include "CRegSettingsTest.moc"
