#include "preferences/PanelFit.h"

#include <QDialog>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Room left for the window's frame and the desktop's panels.
constexpr double screenShare = 0.92;

} // namespace

void fitPanelToScreen(QDialog& panel, const QScrollArea& contents) {
    // The contents' layout is made now, so that their size is known before they show.
    contents.widget()->ensurePolished();
    contents.widget()->layout()->activate();
    const QSize wanted = panel.sizeHint() - contents.sizeHint() + contents.widget()->sizeHint() +
                         QSize(contents.verticalScrollBar()->sizeHint().width(), 0);
    const QSize room = (QSizeF(panel.screen()->availableSize()) * screenShare).toSize();
    panel.resize(wanted.boundedTo(room));
    panel.setMaximumSize(room.expandedTo(panel.minimumSizeHint()));
}
