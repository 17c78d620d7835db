// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/modules/printmodule.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace fw::print {

namespace {

bool PageSetup(const QString& setup, QWidget* parent, QString& result)
{
    QPrinter printer;
    const QStringList parts = setup.split(QLatin1Char(' '));
    if (parts.size() == 6) {
        QPageLayout layout = printer.pageLayout();
        layout.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(parts[0].toInt())));
        layout.setOrientation(parts[1].toInt() ? QPageLayout::Landscape : QPageLayout::Portrait);
        layout.setUnits(QPageLayout::Point);
        layout.setMargins(QMarginsF(parts[2].toDouble(), parts[3].toDouble(), parts[4].toDouble(), parts[5].toDouble()));
        printer.setPageLayout(layout);
    }
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QPageLayout layout = printer.pageLayout();
    const QMarginsF m = layout.margins(QPageLayout::Point);
    result = QStringLiteral("%1 %2 %3 %4 %5 %6")
                 .arg(static_cast<int>(layout.pageSize().id()))
                 .arg(layout.orientation() == QPageLayout::Landscape ? 1 : 0)
                 .arg(m.left())
                 .arg(m.top())
                 .arg(m.right())
                 .arg(m.bottom());
    return true;
}

constexpr Module kModule{PageSetup};

} // namespace

} // namespace fw::print

extern "C" __attribute__((visibility("default"))) const fw::print::Module* cyclane_print_module()
{
    return &fw::print::kModule;
}
