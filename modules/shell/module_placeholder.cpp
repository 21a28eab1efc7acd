// A wizard module's window until its builder exists.
#include "module_placeholder.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int RunModulePlaceholder(int argc, char *argv[], const QString &name, const QString &purpose)
{
    QApplication app(argc, argv);
    app.setApplicationName(name);

    QWidget window;
    window.setObjectName(QStringLiteral("wMain"));
    window.setWindowTitle(name);
    auto *layout = new QVBoxLayout(&window);
    auto *label = new QLabel(purpose, &window);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(QStringLiteral("Close"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QWidget::close);
    layout->addWidget(buttons);
    window.show();
    return app.exec();
}
