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
    void namesAreTrimmedAndRestoredByEmpty() {
        CRegSettings settings;
        QCOMPARE(settings.Company(), QString("VB and VBA Program Settings"));
        settings.SetAppName(" Other ");
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
        QCOMPARE(another.GetSetting("Messages", "*"), QString("@unnamed"));
        QVERIFY(QFile::exists(environment.path("config/Brindlecote/Quorvane.conf")));
        QCOMPARE(CRegSettings().GetSetting("Options", "Show Tips at Startup", "1"), QString("1"));
    }

    void deletingAndListing() {
        const CRegSettings settings = ProgramSettings();
        settings.SaveSetting("Recent Files", "1", "/a.qvn");
        settings.SaveSetting("Recent Files", "2", "");
        settings.SaveSetting("Recent Files", "*", "x");
        using Setting = std::pair<QString, QString>;
        auto all = settings.GetAllSettings("Recent Files");
        std::sort(all.begin(), all.end());
        QCOMPARE(all, (std::vector<Setting>{{"*", "x"}, {"1", "/a.qvn"}, {"2", ""}}));

        QVERIFY(settings.DeleteSetting("Recent Files", "1"));
        QVERIFY(!settings.DeleteSetting("Recent Files", "1"));
        QCOMPARE(settings.GetSetting("Recent Files", "1", "gone"), QString("gone"));
        QVERIFY(settings.DeleteSetting("Recent Files"));
        QVERIFY(!settings.DeleteSetting("Recent Files"));
        QVERIFY(settings.GetAllSettings("Recent Files").empty());
        QVERIFY(!settings.DeleteSetting(""));
        QCOMPARE(settings.GetSetting("Options", "Show Tips at Startup"), QString("0"));
    }
};

QTEST_MAIN(CRegSettingsTest)
#include "CRegSettingsTest.moc"
