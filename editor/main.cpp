// Quillmere, the script editor.
#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quillmere"));
    return app.exec();
}
