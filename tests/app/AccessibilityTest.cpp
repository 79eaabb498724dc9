#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "label/LabelLayout.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>

namespace {

// Every interface below root, depth first.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
    visit(root);
    for (int child = 0; child < root->childCount(); ++child)
        if (QAccessibleInterface* inner = root->child(child))
            walk(inner, visit);
}

bool needsName(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Graphic:
    case QAccessible::ProgressBar:
    case QAccessible::MenuItem:
    case QAccessible::Grouping:
        return true;
    default:
        return false;
    }
}

// A screen reader finds every control of the window named, the preview described by the
// texts of the label it shows, and the list's entries by their files and titles.
TEST(Accessibility, EveryControlOfTheWindowIsNamedAndThePreviewDescribesItsLabel) {
    AppFixture fixture;
    fixture.startOn(QStringLiteral("Tape 18"), {fixture.samplePhoto(QStringLiteral("a.jpg")),
                                                fixture.samplePhoto(QStringLiteral("b.jpg"))});
    ASSERT_TRUE(fixture.waitForReading());
    fixture.typeTitle(QStringLiteral("Harbour at dawn"));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&fixture.window());
    ASSERT_NE(window, nullptr);
    QStringList unnamed;
    bool previewDescribed = false;
    bool entryNamed = false;
    walk(window, [&](QAccessibleInterface* control) {
        const QString name = control->text(QAccessible::Name);
        const QString description = control->text(QAccessible::Description);
        if (needsName(control->role()) && !control->state().invisible && name.trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (role %2)")
                           .arg(control->object() ? control->object()->objectName() : QString())
                           .arg(int(control->role()));
        previewDescribed |= description.contains(QStringLiteral("Harbour at dawn")) &&
                            description.contains(QStringLiteral("Canon EOS 40D"));
        entryNamed |= control->role() == QAccessible::ListItem &&
                      name.contains(QStringLiteral("a.jpg")) &&
                      name.contains(QStringLiteral("Harbour at dawn"));
    });
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(previewDescribed);
    EXPECT_TRUE(entryNamed);
}

} // namespace
