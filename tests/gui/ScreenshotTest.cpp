#include "support/WindowTest.h"

// Compares the main window and the style windows with reference pictures kept in the source
// tree, so a layout that shifts or a caption that no longer fits shows up. Run with
// QUORVANE_UPDATE_SCREENSHOTS=1 to take new references after a wanted change.

namespace {

// How far a colour channel may stray, and how many pixels may stray further, before a picture
// counts as changed: room for differences in anti-aliasing, not for a moved control.
constexpr int kChannelTolerance = 32;
constexpr double kDifferingShare = 0.0002;

QString ReferencePath(const QString& name) {
    return QStringLiteral(QT_TESTCASE_SOURCEDIR "/gui/screenshots/%1.png").arg(name);
}

double DifferingShare(const QImage& actual, const QImage& expected) {
    qsizetype differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(actual.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            const int channel =
                std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                          std::abs(qBlue(a[x]) - qBlue(b[x]))});
            differing += channel > kChannelTolerance ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / static_cast<double>(actual.width() * actual.height());
}

QImage Shot(QWidget& window) {
    window.show();
    QApplication::processEvents();
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Empty when `window` looks as its reference does; otherwise what differs. A changed picture is
// kept beside the test for a look.
QString CompareWithReference(QWidget& window, const QString& name) {
    const QImage actual = Shot(window);
    window.hide();
    if (qEnvironmentVariable("QUORVANE_UPDATE_SCREENSHOTS") == "1") {
        QDir().mkpath(QFileInfo(ReferencePath(name)).path());
        return actual.save(ReferencePath(name)) ? QString() : "cannot write " + ReferencePath(name);
    }
    const QImage expected(ReferencePath(name));
    if (expected.isNull()) {
        return name + ": no reference picture; take one with QUORVANE_UPDATE_SCREENSHOTS=1";
    }
    QString fault;
    const QImage reference = expected.convertToFormat(QImage::Format_RGB32);
    if (actual.size() != reference.size()) {
        fault = name + ": another size than the reference";
    } else if (const double share = DifferingShare(actual, reference); share > kDifferingShare) {
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
        // The default font is picked by its place in the installed list, which differs between
        // machines; the picture must not.
        for (QComboBox* fonts : form.findChildren<QComboBox*>("combofont")) {
            fonts->setCurrentText("DejaVu Sans");
        }
        const QString faults =
            QStringList{
                CompareWithReference(form, "Form1"),
                CompareWithReference(*form.findChild<QWidget*>("frmAdvMnuOp"), "frmAdvMnuOp"),
                CompareWithReference(*form.findChild<QWidget*>("FrmAdvBttnOp"), "FrmAdvBttnOp")}
                .filter(QRegularExpression(".+"))
                .join('\n');
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
