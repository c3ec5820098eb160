// The fixture of the GUI tests: a fresh application object with its main window, settings in a
// folder of its own, captured message boxes; at the end no window may be left.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/QuorvelApp.h"
#include "app/QuorvelView.h"
#include "tests/support/CapturedMessages.h"
#include "tests/support/TempFile.h"

class CMainFrame;
class CMDIChildWnd;

class ViewerTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts (or restarts) the application as the framework does: InitInstance.
    void StartApp();
    // Closes the main window and ends the application: ExitInstance, then the object goes.
    void StopApp();

    CMainFrame* Main() const;
    std::vector<CMDIChildWnd*> Children() const;
    CQuorvelView* ActiveView() const;
    // Sends the command through the main frame's route, as a menu item, button or key does.
    void Command(UINT nID);
    // Processes pending events, repaints and deferred deletions.
    static void Flush();

    // Runs fn on the next modal window once it shows (a file dialog, the Print dialog, a dialog
    // of the application), from inside its modal loop.
    static void WhenModal(std::function<void(QWidget*)> fn);
    // File > Open with the Open dialog answered with the path.
    void OpenThroughDialog(const std::string& path);

    // The diagram of the file drawn off screen at the size by quorvel-render with the options.
    static QImage Reference(const std::string& path, QSize size,
                            const std::vector<std::string>& options = {});
    // The view's window as it is on screen.
    static QImage Screen(CQuorvelView* view);

    TempDir m_data;
    TempDir m_settings;
    CapturedMessages m_messages;
    std::unique_ptr<CQuorvelApp> m_app;
};

// Pixel for pixel, with the first difference named.
::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected);

// Three curves, six rows.
extern const char kEngineFile[];
// One curve.
extern const char kOneCurveFile[];
