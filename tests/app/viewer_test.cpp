// The viewer through its framework: start-up, opening files (the Open dialog and the recent-file
// list), the command route, new documents, printing, closing, and files left untouched.
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStatusTipEvent>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/MainFrm.h"
#include "app/Resource.h"
#include "app/framework/DocTemplate.h"
#include "app/framework/RecentFiles.h"
#include "diagram/Diagram.h"
#include "drawing/RasterDC.h"
#include "tests/app/ViewerFixture.h"

namespace {

// The texts of a menu's items as the user sees them, separators as "-", hidden items left out.
QStringList Items(QMenu* menu) {
    QStringList items;
    for (QAction* a : menu->actions()) {
        if (!a->isVisible())
            continue;
        items << (a->isSeparator() ? QString("-") : a->text());
    }
    return items;
}

QStringList Titles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* a : bar->actions())
        titles << a->text();
    return titles;
}

QMenu* Popup(QMenuBar* bar, int index) {
    return bar->actions().at(index)->menu();
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST_F(ViewerTest, StartsWithAnEmptyMainWindowAndMenu128) {
    ASSERT_NE(Main(), nullptr);
    EXPECT_TRUE(Main()->isVisible());
    EXPECT_EQ(Main()->windowTitle(), "Quorvel");
    EXPECT_TRUE(Children().empty());
    EXPECT_EQ(Main()->CurrentMenuId(), IDR_MAINFRAME);
    QMenuBar* bar = Main()->menuBar();
    EXPECT_EQ(Titles(bar), QStringList({"&File", "&View", "&Help"}));
    EXPECT_EQ(Items(Popup(bar, 0)),
              QStringList({"&Open...\tCtrl+O", "-", "Recent File", "-", "&Close", "E&xit"}));
    EXPECT_EQ(Items(Popup(bar, 1)), QStringList({"&Toolbar", "&Status Bar"}));
    EXPECT_EQ(Items(Popup(bar, 2)), QStringList({"&Help Topics", "-", "&About Quorvel..."}));

    // The greyed placeholder of the empty recent-file list; Close has no handler yet.
    QAction* placeholder = Popup(bar, 0)->actions().at(2);
    EXPECT_FALSE(placeholder->isEnabled());
    EXPECT_FALSE(Main()->FindAction(ID_FILE_CLOSE)->isEnabled());

    // Toolbar: Open, then Parameters, no separator; only Open enabled.
    CToolBar& bar128 = Main()->m_wndToolBar;
    ASSERT_EQ(bar128.GetCount(), 2);
    EXPECT_EQ(bar128.GetItemID(0), ID_FILE_OPEN);
    EXPECT_EQ(bar128.GetItemID(1), ID_PARAMETERS);
    EXPECT_TRUE(Main()->FindAction(ID_FILE_OPEN)->isEnabled());
    EXPECT_FALSE(Main()->FindAction(ID_PARAMETERS)->isEnabled());
    EXPECT_EQ(Main()->FindAction(ID_FILE_OPEN)->toolTip(), "Open");
    EXPECT_EQ(Main()->FindAction(ID_PARAMETERS)->toolTip(), "Show Parameters");
    EXPECT_EQ(Main()->FindAction(ID_PARAMETERS)->statusTip(), "Show Parameters");
    EXPECT_TRUE(bar128.isMovable());
    EXPECT_TRUE(bar128.isFloatable());
    EXPECT_EQ(bar128.allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_EQ(Main()->toolBarArea(&bar128), Qt::TopToolBarArea);

    // Status bar: the idle message pane and the three indicators.
    CStatusBar& status = Main()->m_wndStatusBar;
    ASSERT_EQ(status.GetCount(), 4);
    EXPECT_EQ(status.GetPaneText(0), " ");
    EXPECT_EQ(status.GetPaneText(1), "CAP");
    EXPECT_EQ(status.GetPaneText(2), "NUM");
    EXPECT_EQ(status.GetPaneText(3), "SCRL");
    // A highlighted item's prompt shows in the message pane, then the idle text again.
    Main()->FindAction(ID_FILE_OPEN)->showStatusText(Main());
    EXPECT_EQ(status.GetPaneText(0), "Open an existing document");
    QStatusTipEvent clear{QString()};
    QCoreApplication::sendEvent(Main(), &clear);
    EXPECT_EQ(status.GetPaneText(0), " ");
}

TEST_F(ViewerTest, OpenShowsOneWindowDrawnAsTheRendererDrawsIt) {
    const std::string path = m_data.Write("engine.csv", kEngineFile);
    OpenThroughDialog(path);
    ASSERT_EQ(Children().size(), 1u);
    CQuorvelView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Main()->CurrentMenuId(), IDR_QUORVELTYPE);
    EXPECT_EQ(Main()->windowTitle(), "Quorvel - engine.csv");
    EXPECT_EQ(Children()[0]->windowTitle(), "engine.csv");
    EXPECT_EQ(view->GetDocument()->GetPathName(), path.c_str());
    EXPECT_TRUE(m_messages.texts().empty());

    const QImage reference = Reference(path, view->size());
    EXPECT_TRUE(SameImage(view->BackingImage(), reference));
    EXPECT_TRUE(SameImage(Screen(view), reference));
    // A resize draws anew at the new size; the file is not read again.
    std::filesystem::remove(path);
    Children()[0]->resize(Children()[0]->size() - QSize(120, 80));
    Flush();
    m_data.Write("engine.csv", kOneCurveFile);
    EXPECT_TRUE(
        SameImage(Screen(view), Reference(m_data.Write("copy.csv", kEngineFile), view->size())));
}

TEST_F(ViewerTest, RecentFileOpensAndASecondOpenOfThePathActivatesTheFirstWindow) {
    const std::string engine = m_data.Write("engine.csv", kEngineFile);
    const std::string battery = m_data.Write("battery.tsv", kOneCurveFile);
    StopApp();
    {
        QSettings settings("Bramvold", "Quorvel");
        settings.setValue("Recent File List/File1", QString::fromStdString(engine));
        settings.setValue("Recent File List/File2", QString::fromStdString(battery));
    }
    StartApp();
    EXPECT_EQ(Main()->FindAction(ID_FILE_MRU_FILE1)->text(),
              "&1 " + CRecentFileList::AbbreviatePath(QString::fromStdString(engine), 30));

    Command(ID_FILE_MRU_FILE1 + 1);  // battery.tsv
    ASSERT_NE(ActiveView(), nullptr);
    EXPECT_TRUE(SameImage(ActiveView()->BackingImage(), Reference(battery, ActiveView()->size())));
    Command(ID_FILE_MRU_FILE1 + 1);  // engine.csv, now second
    ASSERT_EQ(Children().size(), 2u);
    EXPECT_EQ((*m_app->RecentFiles())[0], QString::fromStdString(engine));

    // The Window menu lists the open windows, the active one checked.
    QMenu* window = Popup(Main()->menuBar(), 2);
    emit window->aboutToShow();
    const QStringList items = Items(window);
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items.mid(3), QStringList({"-", "&1 battery.tsv", "&2 engine.csv"}));
    EXPECT_TRUE(window->actions().last()->isChecked());
    CMDIChildWnd* engineFrame = Main()->MDIGetActive();
    EXPECT_EQ(engineFrame->windowTitle(), "engine.csv");

    // The same file again, through the dialog and through another spelling of its path (a
    // symbolic link, "..") only activates its window.
    Children()[0]->ActivateFrame();
    const std::filesystem::path link = m_data.path() / "link.csv";
    std::filesystem::create_symlink(engine, link);
    for (const std::string& again :
         {engine, link.string(), (m_data.path() / "sub" / ".." / "engine.csv").string()}) {
        std::filesystem::create_directories(m_data.path() / "sub");
        Children()[0]->ActivateFrame();
        OpenThroughDialog(again);
        EXPECT_EQ(Children().size(), 2u) << again;
        EXPECT_EQ(Main()->MDIGetActive(), engineFrame) << again;
    }
    EXPECT_TRUE(m_messages.texts().empty());
}

TEST_F(ViewerTest, ARejectedFileLeavesNoWindowAndNoRecentEntry) {
    const std::string oneField = m_data.Write("header.txt", "Title\nOnlyOne\n1\n");
    const std::string missing = (m_data.path() / "missing.csv").string();
    const std::string folder = (m_data.path()).string();
    OpenThroughDialog(oneField);
    EXPECT_TRUE(Children().empty());
    EXPECT_EQ(m_app->RecentFiles()->GetCount(), 0);
    ASSERT_EQ(m_messages.texts().size(), 1u);  // the loader's own message

    // The framework's open test: a warning that names the file and the cause.
    EXPECT_EQ(m_app->OpenDocumentFile(missing.c_str()), nullptr);
    EXPECT_EQ(m_app->OpenDocumentFile(folder.c_str()), nullptr);
    ASSERT_EQ(m_messages.texts().size(), 3u);
    EXPECT_EQ(m_messages.texts()[1],
              "Cannot open the document \"" + missing + "\".\nNo such file or directory.");
    EXPECT_EQ(m_messages.texts()[2],
              "Cannot open the document \"" + folder + "\".\nIs a directory.");
    EXPECT_TRUE(Children().empty());
    EXPECT_TRUE(m_app->DocTemplates().front()->Documents().empty());

    // A recent entry whose file has gone is dropped when it fails to open.
    const std::string gone = m_data.Write("gone.csv", kEngineFile);
    m_app->AddToRecentFileList(gone.c_str());
    std::filesystem::remove(gone);
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(m_app->RecentFiles()->GetCount(), 0);
    EXPECT_TRUE(Children().empty());
}

TEST_F(ViewerTest, TheCommandRouteEnablesWhatHasAHandler) {
    struct Case {
        UINT id;
        bool withoutDocument;
        bool withDocument;
    };
    const Case cases[] = {
        {ID_PARAMETERS, false, true},  {ID_FILE_CLOSE, false, true},
        {ID_FILE_PRINT, false, true},  {ID_FILE_SAVE, false, false},
        {ID_FILE_OPEN, true, true},    {ID_FILE_NEW, true, true},
        {ID_APP_EXIT, true, true},     {ID_EDIT_UNDO, false, false},
        {ID_EDIT_COPY, false, false},  {ID_NEXT_PANE, false, false},
        {ID_HELP, true, true},         {ID_WINDOW_CASCADE, true, true},
        {ID_VIEW_TOOLBAR, true, true},
    };
    auto check = [&](bool withDocument) {
        for (const Case& c : cases) {
            const bool expected = withDocument ? c.withDocument : c.withoutDocument;
            QAction* action = Main()->FindAction(c.id);
            ASSERT_NE(action, nullptr) << c.id;
            EXPECT_EQ(action->isEnabled(), expected) << c.id << " document " << withDocument;
        }
    };
    check(false);
    OpenThroughDialog(m_data.Write("engine.csv", kEngineFile));
    ASSERT_EQ(Children().size(), 1u);
    check(true);
    // The bars' items show and hide them and carry a check mark while they are visible.
    for (UINT id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
        QWidget* bar = id == ID_VIEW_TOOLBAR ? static_cast<QWidget*>(&Main()->m_wndToolBar)
                                             : &Main()->m_wndStatusBar;
        EXPECT_TRUE(Main()->FindAction(id)->isChecked());
        Command(id);
        EXPECT_FALSE(bar->isVisible());
        EXPECT_FALSE(Main()->FindAction(id)->isChecked());
        Command(id);
        EXPECT_TRUE(bar->isVisible());
        EXPECT_TRUE(Main()->FindAction(id)->isChecked());
    }
    Command(ID_FILE_CLOSE);
    EXPECT_TRUE(Children().empty());
    EXPECT_EQ(Main()->CurrentMenuId(), IDR_MAINFRAME);
    check(false);

    // The key of a disabled command does nothing; Ctrl+O's action carries its key.
    EXPECT_EQ(Main()->FindAction(ID_FILE_OPEN)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(Main()->FindAction(ID_EDIT_UNDO)->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
}

TEST_F(ViewerTest, TheRecentFileListSurvivesARestartMostRecentFirstAtMost15) {
    std::vector<std::string> paths;
    for (int i = 1; i <= 16; ++i) {
        paths.push_back(m_data.Write("file" + std::to_string(i) + ".csv", kEngineFile));
        ASSERT_NE(m_app->OpenDocumentFile(paths.back().c_str()), nullptr);
    }
    Command(ID_FILE_CLOSE);
    StopApp();
    {
        QSettings settings("Bramvold", "Quorvel");
        for (int n = 1; n <= 15; ++n) {
            EXPECT_EQ(settings.value(QString("Recent File List/File%1").arg(n)).toString(),
                      QString::fromStdString(paths[16 - n]));
        }
        EXPECT_FALSE(settings.contains("Recent File List/File16"));
        EXPECT_FALSE(settings.contains("Settings/PreviewPages"));
    }
    StartApp();
    ASSERT_EQ(m_app->RecentFiles()->GetCount(), 15);
    EXPECT_EQ((*m_app->RecentFiles())[0], QString::fromStdString(paths[15]));
    EXPECT_EQ((*m_app->RecentFiles())[14], QString::fromStdString(paths[1]));
    QMenu* file = Main()->menuBar()->actions().at(0)->menu();
    Main()->UpdateCommandUI();
    const QStringList items = Items(file);
    EXPECT_FALSE(items.contains("Recent File"));
    EXPECT_EQ(items.size(), 1 + 1 + 15 + 1 + 2);
    EXPECT_TRUE(items[2].startsWith("&1 ")) << items[2].toStdString();
    EXPECT_TRUE(items[2].endsWith("file16.csv")) << items[2].toStdString();
    EXPECT_TRUE(items[11].startsWith("1&0 ")) << items[11].toStdString();
}

TEST(RecentFileNames, AreShortenedToThirtyCharacters) {
    struct Case {
        const char* path;
        const char* shown;
    };
    const Case cases[] = {
        {"/data/run.csv", "/data/run.csv"},
        {"/home/anna/measurements/2026/bench/run17.csv", "/.../2026/bench/run17.csv"},
        {"/a/averyveryverylongfilenamethatistoolong.csv",
         "averyveryverylongfilenamethatistoolong.csv"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CRecentFileList::AbbreviatePath(c.path, 30), c.shown) << c.path;
    }
}

TEST_F(ViewerTest, NewDocumentsAreNumberedAndDrawTheDefaults) {
    // Ctrl+N, a key with no menu item or button.
    Main()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
    QTest::keyClick(Main(), Qt::Key_N, Qt::ControlModifier);
    Flush();
    Command(ID_FILE_NEW);
    ASSERT_EQ(Children().size(), 2u);
    EXPECT_EQ(Children()[0]->windowTitle(), "Quorvel1");
    EXPECT_EQ(Children()[1]->windowTitle(), "Quorvel2");
    EXPECT_EQ(Main()->windowTitle(), "Quorvel - Quorvel2");
    CQuorvelView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_pDiagram->m_strTitle, "The diagram");
    EXPECT_EQ(view->m_pDiagram->m_aRows.GetSize(), 0);

    CFixedSizeWnd wnd(view->width(), view->height());
    CDiagram defaults(&wnd);
    RasterDC expected(view->width(), view->height());
    defaults.Draw(&expected);
    const QImage reference(reinterpret_cast<const uchar*>(expected.Pixels()), expected.Width(),
                           expected.Height(), expected.Stride() * 4, QImage::Format_RGB32);
    EXPECT_TRUE(SameImage(Screen(view), reference));
    EXPECT_EQ(m_app->RecentFiles()->GetCount(), 0);
}

TEST_F(ViewerTest, PrintingGivesOnePageWithTheDiagram) {
    if (!std::getenv("PDFTOTEXT") || !*std::getenv("PDFTOTEXT"))
        GTEST_SKIP() << "no pdftotext";
    OpenThroughDialog(m_data.Write("engine.csv", kEngineFile));
    ASSERT_NE(ActiveView(), nullptr);
    const std::string pdf = (m_data.path() / "page.pdf").string();
    m_app->GetPrinter().setOutputFileName(QString::fromStdString(pdf));

    // Cancelling the Print dialog prints nothing.
    WhenModal([](QWidget* w) {
        ASSERT_NE(qobject_cast<QPrintDialog*>(w), nullptr);
        static_cast<QDialog*>(w)->reject();
    });
    Command(ID_FILE_PRINT);
    EXPECT_FALSE(std::filesystem::exists(pdf));

    WhenModal([](QWidget* w) {
        ASSERT_NE(qobject_cast<QPrintDialog*>(w), nullptr);
        static_cast<QDialog*>(w)->accept();
    });
    Command(ID_FILE_PRINT);
    ASSERT_TRUE(std::filesystem::exists(pdf));

    QProcess text;
    text.start(std::getenv("PDFTOTEXT"), {QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(pages.count('\f'), 1) << pages.toStdString();  // one page
    EXPECT_TRUE(pages.contains("Engine bench 4, run 17")) << pages.toStdString();
    EXPECT_TRUE(pages.contains("Torque")) << pages.toStdString();
}

TEST_F(ViewerTest, ClosingAWindowReleasesItsViewDocumentAndDiagram) {
    OpenThroughDialog(m_data.Write("engine.csv", kEngineFile));
    Command(ID_FILE_NEW);
    ASSERT_EQ(Children().size(), 2u);
    CMultiDocTemplate* tmpl = m_app->DocTemplates().front().get();
    EXPECT_EQ(tmpl->Documents().size(), 2u);
    // The close box of the active window, then the Close command on the other.
    Children()[1]->close();
    Flush();
    EXPECT_EQ(Children().size(), 1u);
    EXPECT_EQ(tmpl->Documents().size(), 1u);
    EXPECT_EQ(Main()->CurrentMenuId(), IDR_QUORVELTYPE);
    Children()[0]->ActivateFrame();
    Command(ID_FILE_CLOSE);
    EXPECT_TRUE(Children().empty());
    EXPECT_TRUE(tmpl->Documents().empty());
    EXPECT_EQ(Main()->windowTitle(), "Quorvel");
}

TEST_F(ViewerTest, NoCommandChangesTheDataFile) {
    const std::string path = m_data.Write("engine.csv", kEngineFile);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    auto unchanged = [&](const char* after) {
        struct stat now {};
        ASSERT_EQ(::stat(path.c_str(), &now), 0);
        EXPECT_EQ(ReadAll(path), kEngineFile) << after;
        EXPECT_EQ(now.st_mtim.tv_sec, before.st_mtim.tv_sec) << after;
        EXPECT_EQ(now.st_mtim.tv_nsec, before.st_mtim.tv_nsec) << after;
    };
    OpenThroughDialog(path);
    unchanged("open");
    for (UINT id : {ID_FILE_SAVE, ID_EDIT_CUT, ID_EDIT_PASTE, ID_EDIT_UNDO, ID_WINDOW_CASCADE,
                    ID_WINDOW_TILE_HORZ}) {
        Command(id);
        unchanged("command");
    }
    WhenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    Command(ID_PARAMETERS);
    unchanged("parameters");
    WhenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    Command(ID_FILE_PRINT);
    unchanged("print");
    Command(ID_FILE_CLOSE);
    unchanged("close");
    OpenThroughDialog(path);
    StopApp();
    unchanged("exit");
    StartApp();
}

TEST_F(ViewerTest, HelpNamesTheHelpFileItLookedFor) {
    Command(ID_HELP_FINDER);
    ASSERT_EQ(m_messages.texts().size(), 1u);
    const std::string expected =
        (std::filesystem::path(QCoreApplication::applicationFilePath().toStdString())
             .replace_extension(".CHM"))
            .string();
    EXPECT_EQ(m_messages.texts()[0], "Cannot find the help file \"" + expected + "\".");
}

TEST_F(ViewerTest, AboutBoxIsTemplate100) {
    QString caption;
    QStringList texts;
    WhenModal([&](QWidget* w) {
        caption = w->windowTitle();
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                texts << label->text();
        }
        static_cast<QDialog*>(w)->reject();  // Esc
    });
    Command(ID_APP_ABOUT);
    EXPECT_EQ(caption, "About Quorvel");
    EXPECT_EQ(texts, QStringList({"Quorvel Version 1.0"}));
}
