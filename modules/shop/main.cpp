// Bartlow, the shop wizard: a placeholder window until its builder exists.
#include "run_module.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    return RunModule(argc, argv, QStringLiteral("Bartlow"), [](const ModuleContext &, DialogSeam &) {
        auto window = std::make_unique<QWidget>();
        window->setObjectName(QStringLiteral("wMain"));
        auto *layout = new QVBoxLayout(window.get());
        layout->addWidget(new QLabel(QStringLiteral("Builds the definition line of a shop."), window.get()));
        auto *close = new QPushButton(QStringLiteral("Close"), window.get());
        close->setObjectName(QStringLiteral("cmdClose"));
        QObject::connect(close, &QPushButton::clicked, window.get(), &QWidget::close);
        layout->addWidget(close);
        return window;
    });
}
