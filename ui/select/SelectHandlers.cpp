// The selection window's handlers that only pass their control on: the
// digit panels, "清" and "全", the range tick boxes, the bet kinds, the key
// filters and "退  出".
#include "ui/select/select.h"

#include <QCheckBox>
#include <QDialog>

void TFrm_Select::Panel3Click()
{
    panelClick(m_rows[0], 0);
}

void TFrm_Select::Panel4Click()
{
    panelClick(m_rows[0], 1);
}

void TFrm_Select::Panel5Click()
{
    panelClick(m_rows[0], 2);
}

void TFrm_Select::Panel6Click()
{
    panelClick(m_rows[0], 3);
}

void TFrm_Select::Panel7Click()
{
    panelClick(m_rows[0], 4);
}

void TFrm_Select::Panel8Click()
{
    panelClick(m_rows[0], 5);
}

void TFrm_Select::Panel9Click()
{
    panelClick(m_rows[0], 6);
}

void TFrm_Select::Panel10Click()
{
    panelClick(m_rows[0], 7);
}

void TFrm_Select::Panel11Click()
{
    panelClick(m_rows[0], 8);
}

void TFrm_Select::Panel12Click()
{
    panelClick(m_rows[0], 9);
}

void TFrm_Select::Panel16Click()
{
    panelClick(m_rows[1], 0);
}

void TFrm_Select::Panel17Click()
{
    panelClick(m_rows[1], 1);
}

void TFrm_Select::Panel18Click()
{
    panelClick(m_rows[1], 2);
}

void TFrm_Select::Panel19Click()
{
    panelClick(m_rows[1], 3);
}

void TFrm_Select::Panel20Click()
{
    panelClick(m_rows[1], 4);
}

void TFrm_Select::Panel21Click()
{
    panelClick(m_rows[1], 5);
}

void TFrm_Select::Panel22Click()
{
    panelClick(m_rows[1], 6);
}

void TFrm_Select::Panel13Click()
{
    panelClick(m_rows[1], 7);
}

void TFrm_Select::Panel14Click()
{
    panelClick(m_rows[1], 8);
}

void TFrm_Select::Panel15Click()
{
    panelClick(m_rows[1], 9);
}

void TFrm_Select::Panel26Click()
{
    panelClick(m_rows[2], 0);
}

void TFrm_Select::Panel27Click()
{
    panelClick(m_rows[2], 1);
}

void TFrm_Select::Panel28Click()
{
    panelClick(m_rows[2], 2);
}

void TFrm_Select::Panel29Click()
{
    panelClick(m_rows[2], 3);
}

void TFrm_Select::Panel30Click()
{
    panelClick(m_rows[2], 4);
}

void TFrm_Select::Panel31Click()
{
    panelClick(m_rows[2], 5);
}

void TFrm_Select::Panel32Click()
{
    panelClick(m_rows[2], 6);
}

void TFrm_Select::Panel23Click()
{
    panelClick(m_rows[2], 7);
}

void TFrm_Select::Panel24Click()
{
    panelClick(m_rows[2], 8);
}

void TFrm_Select::Panel25Click()
{
    panelClick(m_rows[2], 9);
}

void TFrm_Select::SpeedButton4Click()
{
    clearRow(m_rows[0]);
}

void TFrm_Select::SpeedButton15Click()
{
    fillRow(m_rows[0]);
}

void TFrm_Select::SpeedButton5Click()
{
    clearRow(m_rows[1]);
}

void TFrm_Select::SpeedButton21Click()
{
    fillRow(m_rows[1]);
}

void TFrm_Select::SpeedButton6Click()
{
    clearRow(m_rows[2]);
}

void TFrm_Select::SpeedButton17Click()
{
    fillRow(m_rows[2]);
}

void TFrm_Select::CheckBox3Click()
{
    m_odd.applyTick();
}

void TFrm_Select::CheckBox4Click()
{
    m_big.applyTick();
}

void TFrm_Select::CheckBox7Click()
{
    m_ac.applyTick();
}

void TFrm_Select::CheckBox8Click()
{
    m_same.applyTick();
}

void TFrm_Select::SeSkinCheckBox1Click()
{
    m_prime.applyTick();
}

void TFrm_Select::SeSkinCheckBox3Click()
{
    m_route0.applyTick();
}

void TFrm_Select::SeSkinCheckBox4Click()
{
    m_route1.applyTick();
}

void TFrm_Select::SeSkinCheckBox6Click()
{
    m_span.applyTick();
}

void TFrm_Select::CheckBox2Click()
{
    m_randomSum.applyTick();
}

void TFrm_Select::CheckBox5Click()
{
    m_randomOdd.applyTick();
}

void TFrm_Select::CheckBox6Click()
{
    m_randomBig.applyTick();
}

void TFrm_Select::CheckBox9Click()
{
    m_randomAc.applyTick();
}

void TFrm_Select::CheckBox10Click()
{
    m_randomSame.applyTick();
}

void TFrm_Select::RadioButton1Click()
{
    SpeedButton2Click();
}

void TFrm_Select::RadioButton2Click()
{
    SpeedButton2Click();
}

void TFrm_Select::RadioButton3Click()
{
    SpeedButton2Click();
}

bool TFrm_Select::Edit8KeyPress(const QKeyEvent& key) const
{
    return keyAccepted(KeyFilterKind::Count, key, *Edit8);
}

bool TFrm_Select::Edit9KeyPress(const QKeyEvent& key) const
{
    return keyAccepted(KeyFilterKind::Count, key, *Edit9);
}

bool TFrm_Select::Edit11KeyPress(const QKeyEvent& key) const
{
    return keyAccepted(KeyFilterKind::SumList, key, *Edit11);
}

void TFrm_Select::SpeedButton1Click()
{
    close();
}

void TFrm_Select::SpeedButton11Click()
{
    close();
}
