// The menu window: the title picture, the "Solitari" menu and "Esci".
#include "shell/menu_window.h"

#include "shell/card_pictures.h"
#include "shell/resource_catalogue.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>

namespace {

// The background is drawn from the top left corner at its own size; the window shows its upper rows.
class MenuBackground final : public QWidget {
public:
    explicit MenuBackground(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("background"));
        setFixedSize(451, 401);
    }
    void setPicture(const QPixmap& picture)
    {
        picture_ = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 0));
        if (!picture_.isNull())
            painter.drawPixmap(QPoint(0, 0), picture_);
    }

private:
    QPixmap picture_;
};

} // namespace

Form1::Form1(const std::vector<GameEntry>& games)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TOA-TOA Games - The Vozoredu Dora - Beta Version 2003"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(new MenuBackground(this));

    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    QMenu* solitari = bar->addMenu(QStringLiteral("&Solitari"));
    solitari->setObjectName(QStringLiteral("solitari"));
    for (const GameEntry& game : games) {
        QAction* entry = solitari->addAction(game.caption);
        entry->setObjectName(game.name);
        entry->setShortcut(game.shortcut);
        entry->setEnabled(static_cast<bool>(game.open));
        const QString name = game.name;
        connect(entry, &QAction::triggered, this, [name] { Shell::instance().openGame(name); });
    }
    QAction* esci = bar->addAction(QStringLiteral("&Esci"));
    esci->setObjectName(QStringLiteral("esci"));
    connect(esci, &QAction::triggered, this, &Form1::esci_Click);

    Form_Load();
    Shell::fixSize(this);
}

void Form1::Form_Load()
{
    static_cast<MenuBackground*>(centralWidget())
        ->setPicture(ResourceCatalogue::bitmap(pictures::menuBackground));
    setWindowIcon(ResourceCatalogue::icon(105));
}

void Form1::closeForGame()
{
    toGame_ = true;
    close();
}

void Form1::esci_Click() { close(); }

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!toGame_)
        Shell::instance().endProgram();
}
