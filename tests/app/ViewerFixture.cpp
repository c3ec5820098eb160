#include "tests/app/ViewerFixture.h"

#include <QApplication>
#include <QFileDialog>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QTimer>
#include <cstdlib>

#include "app/MainFrm.h"
#include "app/framework/Resource.h"
#include "diagram/Diagram.h"
#include "drawing/RasterDC.h"

const char kEngineFile[] =
    "Engine bench 4, run 17\n"
    "Time, Speed, Torque, Oil\n"
    "09:00, 78.9, 37.6, 24.9\n"
    "09:01, 80.2, 41.5, 28.8\n"
    "09:02, 84.8, 42.2, 31.7\n"
    "09:03, 90.1, 47.0, 35.2\n"
    "09:04, 88.4, 52.3, 38.0\n";

const char kOneCurveFile[] =
    "Battery B7 discharge\n"
    "Minute\tVoltage\n"
    "0\t41.49\n"
    "3\t41.43\n"
    "6\t41.30\n"
    "9\t41.02\n";

void ViewerTest::SetUp() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(m_settings.path().string()));
    StartApp();
}

void ViewerTest::TearDown() {
    StopApp();
    Flush();
    // Nothing may survive a test: every window goes with the main frame.
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty())
        << QApplication::topLevelWidgets().size() << " windows left";
}

void ViewerTest::StartApp() {
    m_app = std::make_unique<CQuorvelApp>();
    ASSERT_TRUE(m_app->InitInstance());
    Main()->resize(900, 700);
    Flush();
}

void ViewerTest::StopApp() {
    if (!m_app)
        return;
    if (CMainFrame* main = Main())
        main->close();
    Flush();
    m_app->ExitInstance();
    m_app.reset();
    Flush();
}

CMainFrame* ViewerTest::Main() const {
    return static_cast<CMainFrame*>(AfxGetMainWnd());
}

std::vector<CMDIChildWnd*> ViewerTest::Children() const {
    return Main() ? Main()->ChildFrames() : std::vector<CMDIChildWnd*>{};
}

CQuorvelView* ViewerTest::ActiveView() const {
    CMDIChildWnd* child = Main() ? Main()->MDIGetActive() : nullptr;
    return child ? dynamic_cast<CQuorvelView*>(child->GetActiveView()) : nullptr;
}

void ViewerTest::Command(UINT nID) {
    Main()->OnCommand(nID);
    Flush();
}

void ViewerTest::Flush() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void ViewerTest::WhenModal(std::function<void(QWidget*)> fn) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, fn = std::move(fn)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        fn(modal);
    });
    timer->start();
}

void ViewerTest::OpenThroughDialog(const std::string& path) {
    WhenModal([path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();
    });
    Command(ID_FILE_OPEN);
}

QImage ViewerTest::Reference(const std::string& path, QSize size,
                             const std::vector<std::string>& options) {
    const char* renderer = std::getenv("QUORVEL_RENDER");
    if (renderer && *renderer) {
        TempDir out;
        const QString png = QString::fromStdString((out.path() / "reference.png").string());
        QStringList args{QString::fromStdString(path), "-o", png, "--size",
                         QString("%1x%2").arg(size.width()).arg(size.height())};
        for (const std::string& o : options)
            args << QString::fromStdString(o);
        QProcess process;
        process.start(renderer, args);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    }
    // Without the renderer in this build: the same load and drawing pass, in process.
    CFixedSizeWnd wnd(size.width(), size.height());
    CDiagram diagram(&wnd);
    CapturedMessages quiet;
    diagram.Load(CString(path.c_str()));
    // The renderer's options that the tests use, written as the renderer writes them.
    for (std::size_t i = 0; i < options.size(); ++i) {
        const std::string& o = options[i];
        const char* value = i + 1 < options.size() ? options[i + 1].c_str() : "";
        if (o == "--y-min") {
            diagram.m_dMinY = std::atof(value);
            diagram.m_bAutoScaleY = false;
            ++i;
        } else if (o == "--y-step") {
            diagram.m_dStepY = std::atof(value);
            diagram.m_bAutoScaleY = false;
            ++i;
        } else if (o == "--line-width") {
            diagram.m_nLineWidth = std::atoi(value);
            ++i;
        } else if (o == "--marks") {
            diagram.m_bShowMarks = true;
        } else if (o == "--legend") {
            diagram.m_bShowLegend = true;
        } else {
            ADD_FAILURE() << "option " << o << " needs quorvel-render";
        }
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    RasterDC dc(reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                static_cast<int>(image.bytesPerLine() / 4));
    diagram.Draw(&dc);
    return image;
}

QImage ViewerTest::Screen(CQuorvelView* view) {
    return view->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    }
    const QImage a = actual.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    QPoint first;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && differing++ == 0)
                first = QPoint(x, y);
        }
    }
    if (differing == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differing << " pixels differ, the first at (" << first.x() << ", " << first.y()
           << "): " << std::hex << a.pixel(first) << " instead of " << b.pixel(first);
}
