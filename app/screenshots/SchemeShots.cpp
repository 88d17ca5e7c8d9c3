// 深色 chosen in 选项设置 while the main window (history, footers, omission
// figures) and 分位遗漏 are open: both as they look right after the switch.
#include "app/screenshots/Shots.h"
#include "exchange/OptionsFile.h"
#include "store/DrawStore.h"
#include "ui/analysis/PositionOmissionWindow.h"
#include "ui/main/Itemset.h"
#include "ui/main/Main.h"
#include "ui/widgets/ColourScheme.h"

#include <QAbstractButton>
#include <QRadioButton>

namespace {

void click(QWidget* window, const char* name)
{
    window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

} // namespace

void liveSwitchShots(const ShotContext& context)
{
    const SchemeChoice before = schemeColours().dark ? SchemeChoice::Dark : SchemeChoice::Light;
    applyColourScheme(SchemeChoice::Light);
    {
        TFrmMain window(context.store, context.dialogs, context.appDir);
        window.show();
        click(&window, "SpeedButton19");
        click(&window, "showOmissionButton");
        PositionOmissionWindow omission(context.store, context.dialogs);
        omission.show();
        click(&omission, "runButton");
        TFrm_itemset options(Options::optionsPath(context.appDir), context.dialogs);
        options.show();
        options.findChild<QRadioButton*>(QStringLiteral("schemeDark"))->setChecked(true);
        click(&options, "SeSkinButton1");
        options.hide();
        saveShot(context, &window, QStringLiteral("live-switch-main"));
        saveShot(context, &omission, QStringLiteral("live-switch-position-omission"));
    }
    applyColourScheme(before);
}
