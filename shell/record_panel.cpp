// The record panel: one record line, one announcement and one name box, the same in every game.
#include "shell/record_panel.h"

#include "shell/codepage.h"
#include "shell/dialogs.h"
#include "shell/controls/accessible.h"
#include "shell/controls/label.h"
#include "shell/controls/layout.h"
#include "shell/controls/text_box.h"
#include "shell/game_window.h"
#include "shell/record_entry.h"

#include <QFile>
#include <QPointer>
#include <QStringList>
#include <utility>

RecordPanel::RecordPanel(GameWindow& window, const Form& form, const RecordPanelLayout& layout, RecordRules rules)
    : QObject(&window), window_(window), slot_(std::move(rules)), value_(form.label(QString::fromUtf8(layout.value))),
      holder_(form.label(QString::fromUtf8(layout.holder))), valueWaitsForReading_(layout.valueWaitsForReading)
{
    for (const char* name : layout.line) {
        Label* label = form.label(QString::fromUtf8(name));
        line_.push_back(label);
        // The value label reads the whole line; the rest of it is passed by.
        label->setSpoken(label == value_);
    }
    for (const char* name : layout.announce)
        announce_.push_back(form.widget(QString::fromUtf8(name)));
    TextBox* box = form.textBox(QString::fromUtf8(layout.box));
    entry_ = new RecordEntry(window_, *box, slot_);
    connect(entry_, &RecordEntry::written, this, &RecordPanel::nameWritten);
}

RecordPanel::~RecordPanel() = default;

void RecordPanel::read()
{
    slot_.read(window_.recordDirectory());
    showLine();
}

void RecordPanel::showLine()
{
    value_->setCaption(QString::fromStdString(slot_.valueCaption()));
    showHolder();
}

void RecordPanel::showHolder()
{
    holder_->setCaption(codepage::fromWestern(slot_.holder()));
    speakLine();
}

// "Record: 12 Mazzetti - CPU": the words of the line as it shows them, its own caption said once.
void RecordPanel::speakLine()
{
    QStringList words;
    for (const Label* label : line_) {
        const QString shown = label->caption().simplified();
        if (!shown.isEmpty() && !shown.startsWith(QStringLiteral("Record"), Qt::CaseInsensitive))
            words.push_back(shown);
    }
    const QString spoken = QStringLiteral("Record: ") + words.join(QLatin1Char(' '));
    accessible::setName(value_, spoken);
}

void RecordPanel::offer(long long result)
{
    for (QWidget* part : announce_) {
        part->show();
        part->raise();
    }
    entry_->offer(result);
}

void RecordPanel::withdraw()
{
    for (QWidget* part : announce_)
        part->hide();
    entry_->withdraw();
}

bool RecordPanel::isPending() const { return entry_->isPending(); }

// A record that could not be saved is never lost in silence: the player is told where and why, and the
// line shows the record the file still holds.
void RecordPanel::nameWritten(bool ok)
{
    if (ok && valueWaitsForReading_)
        showHolder();
    else
        showLine();
    if (!ok) {
        QPointer<RecordPanel> alive(this);
        const QString where = QFile::decodeName(slot_.filePath(window_.recordDirectory()).c_str());
        tell(&window_, QStringLiteral("Record non salvato"),
             QStringLiteral("Non è stato possibile salvare il record in\n%1\n(%2).\nResta il record di prima.")
                 .arg(where, QString::fromUtf8(faultWords(entry_->fault()))));
        if (!alive)
            return;
    }
    emit written(ok);
}
