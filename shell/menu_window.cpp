// The menu window: the title picture, the "Solitari" menu and "Esci".
#include "shell/menu_window.h"

#include "shell/card_pictures.h"
#include "shell/controls/form_scale.h"
#include "shell/resource_catalogue.h"
#include "shell/window_scale.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>

namespace {

constexpr QSize menuSize(451, 401);

// The background is drawn from the top left corner at its own size; the window shows its upper rows.
class MenuBackground final : public QWidget {
public:
    explicit MenuBackground(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("background"));
    }
    void setPicture(int number)
    {
        picture_ = number;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 0));
        if (picture_ == 0)
            return;
        const double scale = formScale(this);
        if (scale == 1.0) {
            painter.drawPixmap(QPoint(0, 0), ResourceCatalogue::bitmap(picture_));
            return;
        }
        // Scaled, the picture is made for its size on the screen and shows the same upper rows.
        const QPixmap picture = ResourceCatalogue::bitmap(picture_);
        const QRect table = scaledRect(QRect(QPoint(), menuSize), scale).translated(formOrigin(this));
        const QRect drawn = scaledRect(QRect(QPoint(), picture.deviceIndependentSize().toSize()), scale).translated(table.topLeft());
        painter.setClipRect(table);
        if (isFormResizing(this)) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(drawn, ResourceCatalogue::bitmapOrRendering(picture_, drawn.size(), devicePixelRatioF()));
            return;
        }
        painter.drawPixmap(drawn, ResourceCatalogue::bitmap(picture_, drawn.size(), devicePixelRatioF()));
    }

private:
    int picture_ = 0;
};

} // namespace

Form1::Form1(const std::vector<GameEntry>& games)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TOA-TOA Games - The Vozoredu Dora - Beta Version 2003"));
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(new MenuBackground(this));
    new WindowScale(this, centralWidget(), menuSize);

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
        ->setPicture(pictures::menuBackground);
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
