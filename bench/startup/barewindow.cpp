// The yardstick for the calculator's start: a bare Qt window with a menu bar
// and about forty widgets, shown as soon as it is built.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    for (const char* title : {"&File", "&Tools", "Info"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 0; i < 6; ++i)
            menu->addAction(QStringLiteral("Entry %1").arg(i));
    }
    auto* client = new QWidget(&window);
    client->setFixedSize(556, 460);
    for (int i = 0; i < 14; ++i) {
        const int x = 10 + (i % 2) * 270, y = 10 + (i / 2) * 60;
        (new QLabel(QStringLiteral("Label %1").arg(i), client))->move(x, y);
        (new QLineEdit(client))->setGeometry(x + 60, y, 100, 21);
        (new QPushButton(QStringLiteral("="), client))->setGeometry(x + 170, y, 26, 23);
    }
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
