#include "support/WindowTest.h"

// The main window and the style windows against reference pictures, so a shifted layout or a
// caption that no longer fits shows up; QUORVANE_UPDATE_SCREENSHOTS=1 takes new references.

namespace {

// How far a colour channel may stray, and how many pixels may stray further, before a picture
// counts as changed: room for differences in anti-aliasing, not for a moved control.
constexpr int kChannelTolerance = 32;
constexpr double kDifferingShare = 0.0002;

double DifferingShare(const QImage& actual, const QImage& expected) {
    qsizetype differing = 0;
    for (int at = 0; at < actual.width() * actual.height(); ++at) {
        const QRgb a = actual.pixel(at % actual.width(), at / actual.width());
        const QRgb b = expected.pixel(at % actual.width(), at / actual.width());
        differing += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                               std::abs(qBlue(a) - qBlue(b))}) > kChannelTolerance;
    }
    return static_cast<double>(differing) / static_cast<double>(actual.width() * actual.height());
}

// Empty when `window` looks as its reference does, otherwise what differs (the picture kept).
QString CompareWithReference(QWidget& window) {
    const QString name = window.objectName();
    const QString path = QT_TESTCASE_SOURCEDIR "/gui/screenshots/" + name + ".png";
    window.show();
    QApplication::processEvents();
    const QImage actual = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    window.hide();
    if (qEnvironmentVariable("QUORVANE_UPDATE_SCREENSHOTS") == "1") {
        return QDir().mkpath(QFileInfo(path).path()) && actual.save(path) ? ""
                                                                          : "cannot write " + path;
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    QString fault;
    if (expected.isNull()) {
        fault = name + ": no reference picture; take one with QUORVANE_UPDATE_SCREENSHOTS=1";
    } else if (actual.size() != expected.size()) {
        fault = name + ": another size than the reference";
    } else if (const double share = DifferingShare(actual, expected); share > kDifferingShare) {
        fault = QString("%1: %2% of the pixels differ").arg(name).arg(share * 100.0, 0, 'f', 2);
    }
    if (!fault.isEmpty()) {
        actual.save(QDir::current().filePath(name + "-actual.png"));
    }
    return fault;
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void initTestCase() {
        // The same look wherever the test runs: one style, one font, a steady text cursor.
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setFont(QFont("DejaVu Sans", 9));
        QApplication::setCursorFlashTime(0);
    }

    void theWindowsLookAsTheirReferences() {
        mainwindow::MainWindow form;
        // The default font is the installed list's second, which differs between machines.
        for (QComboBox* fonts : form.findChildren<QComboBox*>("combofont")) {
            fonts->setCurrentText("DejaVu Sans");
        }
        QStringList faults;
        for (QWidget* window : QList<QWidget*>{&form, form.findChild<QWidget*>("frmAdvMnuOp"),
                                               form.findChild<QWidget*>("FrmAdvBttnOp")}) {
            faults << CompareWithReference(*window);
        }
        faults.removeAll("");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
