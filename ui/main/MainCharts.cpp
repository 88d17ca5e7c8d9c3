// The main window's two chart tabs. Each tab does its own drawing; the
// handlers here keep the designer's names for its controls and forward.
#include "ui/main/ChartTab.h"
#include "ui/main/Main.h"

void TFrmMain::buildChartTabs()
{
    m_positionChart = new ChartTab(ChartTab::Kind::Position, m_store, m_dialogs);
    connect(m_positionChart, &ChartTab::runClicked, this, &TFrmMain::SpeedButton24Click);
    connect(m_positionChart, &ChartTab::threeDClicked, this, &TFrmMain::CheckBox7Click);
    connect(m_positionChart, &ChartTab::lineClicked, this, &TFrmMain::CheckBox8Click);
    connect(m_positionChart, &ChartTab::depthChanged, this, &TFrmMain::ScrollBar5Change);
    connect(m_positionChart, &ChartTab::removerClicked, this, &TFrmMain::SpeedButton33Click);
    connect(
        m_positionChart, &ChartTab::chartPressed, this,
        [this](Qt::MouseButton b, Qt::KeyboardModifiers m, const QPoint& p) { Chart5MouseDown(b, m, p.x(), p.y()); });

    m_sumChart = new ChartTab(ChartTab::Kind::Sum, m_store, m_dialogs);
    connect(m_sumChart, &ChartTab::runClicked, this, &TFrmMain::SpeedButton27Click);
    connect(m_sumChart, &ChartTab::threeDClicked, this, &TFrmMain::CheckBox11Click);
    connect(m_sumChart, &ChartTab::lineClicked, this, &TFrmMain::CheckBox12Click);
    connect(m_sumChart, &ChartTab::depthChanged, this, &TFrmMain::ScrollBar8Change);
    connect(m_sumChart, &ChartTab::removerClicked, this, &TFrmMain::SpeedButton32Click);
    connect(
        m_sumChart, &ChartTab::chartPressed, this,
        [this](Qt::MouseButton b, Qt::KeyboardModifiers m, const QPoint& p) { Chart8MouseDown(b, m, p.x(), p.y()); });
}

void TFrmMain::SpeedButton24Click()
{
    m_positionChart->draw(false);
}

// Keeps whichever series "直线图" last chose.
void TFrmMain::SpeedButton27Click()
{
    m_sumChart->draw(false);
}

void TFrmMain::CheckBox7Click()
{
    m_positionChart->applyThreeD();
}

void TFrmMain::CheckBox8Click()
{
    m_positionChart->applyLineOrBars();
}

void TFrmMain::CheckBox11Click()
{
    m_sumChart->applyThreeD();
}

void TFrmMain::CheckBox12Click()
{
    m_sumChart->applyLineOrBars();
}

void TFrmMain::ScrollBar5Change()
{
    m_positionChart->applyDepth();
}

void TFrmMain::ScrollBar8Change()
{
    m_sumChart->applyDepth();
}

void TFrmMain::Chart5MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int y)
{
    m_positionChart->addGuideLine(y);
}

void TFrmMain::Chart8MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int y)
{
    m_sumChart->addGuideLine(y);
}

void TFrmMain::SpeedButton33Click()
{
    m_positionChart->removeGuideLines();
}

void TFrmMain::SpeedButton32Click()
{
    m_sumChart->removeGuideLines();
}
