// The Parameters dialog, driven through the real command on a real view: the template's layout,
// the values it shows, what OK writes, that Cancel writes nothing, and the redraw after it.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "app/Dia_Parameters.h"
#include "app/MainFrm.h"
#include "app/Resource.h"
#include "diagram/Diagram.h"
#include "tests/app/ViewerFixture.h"

namespace {

QLineEdit* Edit(CDialog* dlg, int id) {
    return qobject_cast<QLineEdit*>(dlg->GetDlgItem(id));
}
QCheckBox* Check(CDialog* dlg, int id) {
    return qobject_cast<QCheckBox*>(dlg->GetDlgItem(id));
}

// The diagram members the dialog edits.
struct Settings {
    bool autoY, gridY, gridX, marks, legend;
    int width;
    double minX, stepX, minY, stepY;
    friend bool operator==(const Settings&, const Settings&) = default;
};

Settings Of(const CDiagram& d) {
    return Settings{d.m_bAutoScaleY, d.m_bGridY, d.m_bGridX, d.m_bShowMarks, d.m_bShowLegend,
                    d.m_nLineWidth,  d.m_dMinX,  d.m_dStepX, d.m_dMinY,      d.m_dStepY};
}

}  // namespace

class ParametersTest : public ViewerTest {
  protected:
    void SetUp() override {
        ViewerTest::SetUp();
        m_path = m_data.Write("engine.csv", kEngineFile);
        OpenThroughDialog(m_path);
        m_view = ActiveView();
        ASSERT_NE(m_view, nullptr);
    }

    // Opens the dialog with the toolbar button's command and runs fn inside it; fn closes it.
    void RunDialog(std::function<void(CDia_Parameters*)> fn) {
        bool ran = false;
        WhenModal([&](QWidget*) {
            auto* dlg = dynamic_cast<CDia_Parameters*>(CDialog::GetActiveModal());
            ASSERT_NE(dlg, nullptr);
            ran = true;
            fn(dlg);
            if (dlg->GetSafeHwnd() && dlg->GetSafeHwnd()->isVisible())
                dlg->EndDialog(IDCANCEL);
        });
        Main()->FindAction(ID_PARAMETERS)->trigger();
        Flush();
        EXPECT_TRUE(ran);
    }

    // Paints over the diagram's frame in the backing image, so that only a redraw through the
    // window's device context brings the diagram back (no repaint happens in between).
    void Smear() {
        const RECT& rc = m_view->m_pDiagram->m_rcFrame;
        QPainter painter(&m_view->EnsureBackingImage());
        painter.fillRect(QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top), Qt::red);
    }

    std::string m_path;
    CQuorvelView* m_view = nullptr;
};

TEST_F(ParametersTest, TemplateLayoutFocusAndTabOrder) {
    RunDialog([](CDia_Parameters* dlg) {
        QDialog* w = dlg->GetSafeHwnd();
        EXPECT_EQ(w->windowTitle(), "Parameters");
        const DialogTemplate* tmpl = AfxFindDialog(IDD_PARAMETERS);
        ASSERT_NE(tmpl, nullptr);
        ASSERT_EQ(tmpl->controls.size(), 21u);
        const QFont font = CDialog::TemplateFont(*tmpl);
        EXPECT_EQ(w->size(), CDialog::MapDialogRect(font, 0, 0, 369, 131).size());
        // Every control with an id sits where its dialog units put it, in the font's units.
        for (const DialogControl& c : tmpl->controls) {
            if (c.id == -1)
                continue;
            QWidget* control = dlg->GetDlgItem(c.id);
            ASSERT_NE(control, nullptr) << c.id;
            EXPECT_EQ(control->geometry(), CDialog::MapDialogRect(font, c.x, c.y, c.cx, c.cy))
                << c.id;
        }
        // Hidden: the X range, its labels and the X autoscale box; shown: three groups.
        for (int id : {IDC_AUTOSCALE_X, IDC_MIN_X, IDC_STEP_X}) {
            EXPECT_FALSE(dlg->GetDlgItem(id)->isVisible()) << id;
        }
        QStringList visibleLabels, groups;
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (l->isVisible())
                visibleLabels << l->text();
        }
        for (QGroupBox* g : w->findChildren<QGroupBox*>())
            groups << g->title();
        groups.sort();
        EXPECT_EQ(visibleLabels, QStringList({"Y min:", "Y delta:", "Line width:"}));
        EXPECT_EQ(groups, QStringList({"Graph", "X Axe", "Y Axe"}));
        EXPECT_TRUE(qobject_cast<QPushButton*>(dlg->GetDlgItem(IDOK))->isDefault());
        EXPECT_EQ(Edit(dlg, IDC_MIN_Y)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);

        // The focus starts on OK; Tab walks the template order, skipping what is hidden or
        // greyed (Y min and Y delta, with autoscale on).
        const std::vector<int> order = {IDCANCEL,       IDC_AUTOSCALE_Y, IDC_GRID_Y,     IDC_GRID_X,
                                        IDC_SHOW_MARKS, IDC_SHOW_LEGEND, IDC_LINE_WIDTH, IDOK};
        EXPECT_EQ(w->focusWidget(), dlg->GetDlgItem(IDOK));
        for (int id : order) {
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(w->focusWidget(), dlg->GetDlgItem(id)) << id;
        }
    });
}

TEST_F(ParametersTest, OpeningShowsTheDiagramsValuesWithTheAutoscaledRangeGreyed) {
    CDiagram& d = *m_view->m_pDiagram;
    const double minY = d.m_dMinY, stepY = d.m_dStepY;
    RunDialog([&](CDia_Parameters* dlg) {
        EXPECT_FALSE(Check(dlg, IDC_SHOW_MARKS)->isChecked());
        EXPECT_TRUE(Check(dlg, IDC_SHOW_LEGEND)->isChecked());
        EXPECT_EQ(Edit(dlg, IDC_LINE_WIDTH)->text(), "1");
        EXPECT_TRUE(Check(dlg, IDC_GRID_X)->isChecked());
        EXPECT_EQ(Edit(dlg, IDC_MIN_X)->text(), "0.00");
        EXPECT_EQ(Edit(dlg, IDC_STEP_X)->text(), "10.00");
        EXPECT_FALSE(Check(dlg, IDC_AUTOSCALE_X)->isChecked());
        EXPECT_TRUE(Check(dlg, IDC_AUTOSCALE_Y)->isChecked());
        EXPECT_TRUE(Check(dlg, IDC_GRID_Y)->isChecked());
        EXPECT_EQ(Edit(dlg, IDC_MIN_Y)->text(), QString::asprintf("%.2f", minY));
        EXPECT_EQ(Edit(dlg, IDC_STEP_Y)->text(), QString::asprintf("%.2f", stepY));
        EXPECT_FALSE(Edit(dlg, IDC_MIN_Y)->isEnabled());
        EXPECT_FALSE(Edit(dlg, IDC_STEP_Y)->isEnabled());
        // The control members are attached to their controls.
        EXPECT_EQ(dlg->m_editStepY.GetWidget(), dlg->GetDlgItem(IDC_STEP_Y));
        EXPECT_EQ(dlg->m_chkAutoScaleX.GetWidget(), dlg->GetDlgItem(IDC_AUTOSCALE_X));

        // Each click on Autoscale greys or enables the range at once, and writes nothing.
        QTest::mouseClick(Check(dlg, IDC_AUTOSCALE_Y), Qt::LeftButton);
        EXPECT_TRUE(Edit(dlg, IDC_MIN_Y)->isEnabled());
        EXPECT_TRUE(Edit(dlg, IDC_STEP_Y)->isEnabled());
        EXPECT_TRUE(d.m_bAutoScaleY);
        QTest::keyClick(Check(dlg, IDC_AUTOSCALE_Y), Qt::Key_Space);
        EXPECT_FALSE(Edit(dlg, IDC_MIN_Y)->isEnabled());
        EXPECT_FALSE(Edit(dlg, IDC_STEP_Y)->isEnabled());
    });
    EXPECT_TRUE(SameImage(m_view->BackingImage(), Reference(m_path, m_view->size())));
}

TEST_F(ParametersTest, CancelEscAndTheCloseBoxChangeNothingAndRedraw) {
    CDiagram& d = *m_view->m_pDiagram;
    d.m_dMinX = 1.23456;
    const Settings before = Of(d);
    using Close = std::function<void(CDia_Parameters*)>;
    const std::pair<const char*, Close> ways[] = {
        {"Cancel",
         [](CDia_Parameters* dlg) {
             QTest::mouseClick(dlg->GetDlgItem(IDCANCEL), Qt::LeftButton);
         }},
        {"Esc", [](CDia_Parameters* dlg) { QTest::keyClick(dlg->GetSafeHwnd(), Qt::Key_Escape); }},
        {"close box", [](CDia_Parameters* dlg) { dlg->GetSafeHwnd()->close(); }},
    };
    for (const auto& [name, close] : ways) {
        Smear();
        int result = 0;
        RunDialog([&, close = close](CDia_Parameters* dlg) {
            QTest::mouseClick(Check(dlg, IDC_AUTOSCALE_Y), Qt::LeftButton);
            Edit(dlg, IDC_MIN_Y)->setText("-20");
            Edit(dlg, IDC_LINE_WIDTH)->setText("5");
            Check(dlg, IDC_SHOW_LEGEND)->setChecked(false);
            QObject::connect(dlg->GetSafeHwnd(), &QDialog::finished, [&](int r) { result = r; });
            close(dlg);
        });
        EXPECT_EQ(result, IDCANCEL) << name;
        EXPECT_TRUE(Of(d) == before) << name;
        EXPECT_TRUE(SameImage(m_view->BackingImage(), Reference(m_path, m_view->size()))) << name;
    }
}

TEST_F(ParametersTest, OkWithoutChangeKeepsFlagsAndRoundsTheDoubles) {
    CDiagram& d = *m_view->m_pDiagram;
    d.m_bAutoScaleY = false;
    d.m_bShowMarks = true;
    d.m_nLineWidth = 3;
    d.m_dMinX = 1.23456;
    d.m_dStepX = 0.004;
    d.m_dMinY = -3.14159;
    d.m_dStepY = 2.71828;
    Settings expected = Of(d);
    expected.minX = 1.23;
    expected.stepX = 0.0;
    expected.minY = -3.14;
    expected.stepY = 2.72;
    Smear();
    RunDialog([](CDia_Parameters* dlg) { QTest::keyClick(dlg->GetSafeHwnd(), Qt::Key_Return); });
    EXPECT_TRUE(Of(d) == expected);
    EXPECT_TRUE(SameImage(m_view->BackingImage(), Reference(m_path, m_view->size(),
                                                            {"--y-min", "-3.14", "--y-step", "2.72",
                                                             "--line-width", "3", "--marks"})));
}

TEST_F(ParametersTest, AFixedYRangeRedrawsWithItsLabels) {
    RunDialog([](CDia_Parameters* dlg) {
        QTest::mouseClick(Check(dlg, IDC_AUTOSCALE_Y), Qt::LeftButton);
        QTest::keyClicks(Edit(dlg, IDC_MIN_Y), "");
        Edit(dlg, IDC_MIN_Y)->setText("-20");
        Edit(dlg, IDC_STEP_Y)->setText("10");
        QTest::mouseClick(dlg->GetDlgItem(IDOK), Qt::LeftButton);
    });
    const CDiagram& d = *m_view->m_pDiagram;
    EXPECT_FALSE(d.m_bAutoScaleY);
    EXPECT_EQ(d.m_dMinY, -20.0);
    EXPECT_EQ(d.m_dStepY, 10.0);
    EXPECT_TRUE(SameImage(m_view->BackingImage(),
                          Reference(m_path, m_view->size(), {"--y-min", "-20", "--y-step", "10"})));
    EXPECT_TRUE(SameImage(Screen(m_view), m_view->BackingImage()));
}

TEST_F(ParametersTest, TextsConvertAsAtofAndAtoi) {
    struct Case {
        int id;
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {IDC_MIN_Y, "1,5", 1.0},    {IDC_MIN_Y, "1.5", 1.5},     {IDC_MIN_Y, "1e2", 100.0},
        {IDC_MIN_Y, "", 0.0},       {IDC_MIN_Y, "abc", 0.0},     {IDC_STEP_Y, " -2.5x", -2.5},
        {IDC_STEP_Y, "", 0.0},      {IDC_MIN_X, "7.125", 7.125}, {IDC_STEP_X, "abc", 0.0},
        {IDC_LINE_WIDTH, "2.9", 2}, {IDC_LINE_WIDTH, "", 0},     {IDC_LINE_WIDTH, "abc", 0},
        {IDC_LINE_WIDTH, "1e2", 1}, {IDC_LINE_WIDTH, "-3", -3},
    };
    const CDiagram& d = *m_view->m_pDiagram;
    for (const Case& c : cases) {
        RunDialog([&](CDia_Parameters* dlg) {
            QTest::mouseClick(Check(dlg, IDC_AUTOSCALE_Y), Qt::LeftButton);
            Edit(dlg, c.id)->setText(c.text);
            dlg->OnCmdMsg(IDOK, nullptr);
        });
        const double got = c.id == IDC_MIN_Y    ? d.m_dMinY
                           : c.id == IDC_STEP_Y ? d.m_dStepY
                           : c.id == IDC_MIN_X  ? d.m_dMinX
                           : c.id == IDC_STEP_X ? d.m_dStepX
                                                : d.m_nLineWidth;
        EXPECT_EQ(got, c.expected) << c.id << " \"" << c.text << "\"";
        m_view->m_pDiagram->m_bAutoScaleY = true;
    }
}

TEST_F(ParametersTest, LegendOnForOneCurveNarrowsThePlotArea) {
    const std::string path = m_data.Write("battery.tsv", kOneCurveFile);
    OpenThroughDialog(path);
    CQuorvelView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view, m_view);
    CDiagram& d = *view->m_pDiagram;
    EXPECT_FALSE(d.m_bShowLegend);
    const LONG wide = d.m_rcPlot.right;
    RunDialog([](CDia_Parameters* dlg) {
        QTest::mouseClick(Check(dlg, IDC_SHOW_LEGEND), Qt::LeftButton);
        QTest::mouseClick(dlg->GetDlgItem(IDOK), Qt::LeftButton);
    });
    EXPECT_TRUE(d.m_bShowLegend);
    EXPECT_LT(d.m_rcPlot.right, wide);
    EXPECT_TRUE(SameImage(view->BackingImage(), Reference(path, view->size(), {"--legend"})));
    RunDialog([](CDia_Parameters* dlg) {
        QTest::mouseClick(Check(dlg, IDC_SHOW_LEGEND), Qt::LeftButton);
        QTest::mouseClick(dlg->GetDlgItem(IDOK), Qt::LeftButton);
    });
    EXPECT_EQ(d.m_rcPlot.right, wide);
}
