// Find, replace and go-to-line dialogs over the text area.
#include "find_dialogs.h"

#include "edit_control.h"
#include "finder.h"
#include "widget_names.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

SearchDialog::SearchDialog(Finder &finder, EditControl &control, bool withReplace, QWidget *parent)
    : QDialog(parent)
    , m_finder(finder)
    , m_control(control)
{
    const QString findCaption = tr("Fi&nd what:");
    auto *findLabel = nameWidget(new QLabel(findCaption, this), QStringLiteral("labFind"), findCaption);
    m_findText = nameWidget(new QLineEdit(this), QStringLiteral("txtFind"), findCaption);
    findLabel->setBuddy(m_findText);

    auto *fields = new QGridLayout;
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(m_findText, 0, 1);
    if (withReplace) {
        const QString replaceCaption = tr("Re&place with:");
        auto *replaceLabel = nameWidget(new QLabel(replaceCaption, this), QStringLiteral("labReplace"), replaceCaption);
        m_replaceText = nameWidget(new QLineEdit(this), QStringLiteral("txtReplace"), replaceCaption);
        replaceLabel->setBuddy(m_replaceText);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(m_replaceText, 1, 1);
    }

    const QString matchCase = tr("Match &case");
    const QString wholeWord = tr("W&hole word");
    const QString wrapAround = tr("Wrap ar&ound");
    m_matchCase = nameWidget(new QCheckBox(matchCase, this), QStringLiteral("chkMatchCase"), matchCase);
    m_wholeWord = nameWidget(new QCheckBox(wholeWord, this), QStringLiteral("chkWholeWord"), wholeWord);
    m_wrapAround = nameWidget(new QCheckBox(wrapAround, this), QStringLiteral("chkWrapAround"), wrapAround);
    const QString regularExpression = tr("Regular e&xpression");
    m_regularExpression = nameWidget(new QCheckBox(regularExpression, this), QStringLiteral("chkRegularExpression"),
                                     regularExpression);
    auto *switches = new QVBoxLayout;
    switches->addWidget(m_matchCase);
    switches->addWidget(m_wholeWord);
    switches->addWidget(m_wrapAround);
    switches->addWidget(m_regularExpression);
    if (withReplace) {
        const QString inSelection = tr("In s&election");
        m_inSelection = nameWidget(new QCheckBox(inSelection, this), QStringLiteral("chkInSelection"), inSelection);
        m_inSelection->setToolTip(tr("Replace All replaces only in the selected text."));
        switches->addWidget(m_inSelection);
    }

    const QString direction = tr("Direction");
    const QString up = tr("&Up");
    const QString down = tr("&Down");
    auto *directionBox = nameWidget(new QGroupBox(direction, this), QStringLiteral("fraDirection"), direction);
    m_up = nameWidget(new QRadioButton(up, directionBox), QStringLiteral("optUp"), up);
    m_down = nameWidget(new QRadioButton(down, directionBox), QStringLiteral("optDown"), down);
    auto *directionLayout = new QHBoxLayout(directionBox);
    directionLayout->addWidget(m_up);
    directionLayout->addWidget(m_down);

    auto *options = new QHBoxLayout;
    options->addLayout(switches);
    options->addWidget(directionBox);

    m_status = nameWidget(new QLabel(this), QStringLiteral("labStatus"));
    m_status->setWordWrap(true);

    const QString findNext = tr("&Find Next");
    const QString close = tr("C&lose");
    m_findNext = nameWidget(new QPushButton(findNext, this), QStringLiteral("cmdFindNext"), findNext);
    m_findNext->setDefault(true);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    if (withReplace) {
        const QString replace = tr("&Replace");
        const QString replaceAll = tr("Replace &All");
        m_replace = nameWidget(new QPushButton(replace, this), QStringLiteral("cmdReplace"), replace);
        m_replaceAll = nameWidget(new QPushButton(replaceAll, this), QStringLiteral("cmdReplaceAll"), replaceAll);
        buttons->addWidget(m_replace);
        buttons->addWidget(m_replaceAll);
        connect(m_replace, &QPushButton::clicked, this, &SearchDialog::replace);
        connect(m_replaceAll, &QPushButton::clicked, this, &SearchDialog::replaceAll);
    }
    auto *closeButton = nameWidget(new QPushButton(close, this), QStringLiteral("cmdClose"), close);
    buttons->addWidget(closeButton);
    buttons->addStretch();

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addWidget(m_status);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_findNext, &QPushButton::clicked, this, &SearchDialog::findNext);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_findText, &QLineEdit::textChanged, this, &SearchDialog::updateButtons);
    updateButtons();
}

void SearchDialog::start()
{
    const Finder &finder = m_finder;
    const QString selected = m_control.selectedText();
    if (!selected.isEmpty() && !selected.contains(QLatin1Char('\n')) && !selected.contains(QLatin1Char('\r')))
        m_findText->setText(selected);
    else
        m_findText->setText(finder.searchText());
    if (m_replaceText)
        m_replaceText->setText(finder.replaceText());
    const FindOptions options = finder.options();
    m_matchCase->setChecked(options.matchCase);
    m_wholeWord->setChecked(options.wholeWord);
    m_wrapAround->setChecked(options.wrapAround);
    m_regularExpression->setChecked(options.regularExpression);
    if (m_inSelection) {
        // Worth offering when more than a word is selected, as for a block to work on.
        const bool block = selected.contains(QLatin1Char('\n')) || selected.contains(QLatin1Char('\r'));
        m_inSelection->setEnabled(m_control.hasSelectedText());
        m_inSelection->setChecked(block);
    }
    m_up->setChecked(!options.forward);
    m_down->setChecked(options.forward);
    m_status->clear();
    show();
    raise();
    activateWindow();
    m_findText->setFocus();
    m_findText->selectAll();
}

QString SearchDialog::statusText() const
{
    return m_status->text();
}

void SearchDialog::passToFinder()
{
    Finder &finder = m_finder;
    finder.setSearchText(m_findText->text());
    if (m_replaceText)
        finder.setReplaceText(m_replaceText->text());
    FindOptions options;
    options.matchCase = m_matchCase->isChecked();
    options.wholeWord = m_wholeWord->isChecked();
    options.wrapAround = m_wrapAround->isChecked();
    options.regularExpression = m_regularExpression->isChecked();
    options.inSelection = m_inSelection && m_inSelection->isEnabled() && m_inSelection->isChecked();
    options.forward = !m_up->isChecked();
    finder.setOptions(options);
}

QString SearchDialog::notFoundText() const
{
    return tr("\"%1\" was not found.").arg(m_findText->text());
}

void SearchDialog::findNext()
{
    passToFinder();
    m_status->setText(m_finder.findNext() ? QString() : notFoundText());
}

void SearchDialog::replace()
{
    passToFinder();
    if (m_control.isReadOnly()) {
        m_status->setText(tr("The text is read-only."));
        return;
    }
    if (!m_finder.replace())
        m_status->setText(notFoundText());
    else if (!m_control.hasSelectedText())
        m_status->setText(tr("No more matches of \"%1\".").arg(m_findText->text()));
    else
        m_status->clear();
}

void SearchDialog::replaceAll()
{
    passToFinder();
    if (m_control.isReadOnly()) {
        m_status->setText(tr("The text is read-only."));
        return;
    }
    const int count = m_finder.replaceAll();
    if (count == 0)
        m_status->setText(notFoundText());
    else if (count == 1)
        m_status->setText(tr("Replaced 1 occurrence."));
    else
        m_status->setText(tr("Replaced %1 occurrences.").arg(count));
}

void SearchDialog::updateButtons()
{
    const bool hasText = !m_findText->text().isEmpty();
    m_findNext->setEnabled(hasText);
    if (m_replace)
        m_replace->setEnabled(hasText);
    if (m_replaceAll)
        m_replaceAll->setEnabled(hasText);
}

FindDialog::FindDialog(Finder &finder, EditControl &control, QWidget *parent)
    : SearchDialog(finder, control, false, parent)
{
    setWindowTitle(tr("Find.."));
    nameWidget(this, QStringLiteral("wFind"), windowTitle());
}

ReplaceDialog::ReplaceDialog(Finder &finder, EditControl &control, QWidget *parent)
    : SearchDialog(finder, control, true, parent)
{
    setWindowTitle(tr("Replace.."));
    nameWidget(this, QStringLiteral("wReplace"), windowTitle());
}

GoToLineDialog::GoToLineDialog(EditControl &control, QWidget *parent)
    : QDialog(parent)
    , m_control(control)
{
    setWindowTitle(tr("Go to Line.."));
    nameWidget(this, QStringLiteral("wGoToLine"), windowTitle());

    m_prompt = nameWidget(new QLabel(this), QStringLiteral("labLine"));
    m_line = nameWidget(new QSpinBox(this), QStringLiteral("txtLine"));
    m_prompt->setBuddy(m_line);

    const QString ok = tr("OK");
    const QString cancel = tr("Cancel");
    auto *okButton = nameWidget(new QPushButton(ok, this), QStringLiteral("cmdOK"), ok);
    auto *cancelButton = nameWidget(new QPushButton(cancel, this), QStringLiteral("cmdCancel"), cancel);
    okButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_line);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, &GoToLineDialog::goToLine);
}

void GoToLineDialog::start()
{
    const int lineCount = qMax(1, m_control.lines());
    int line = 0;
    int column = 0;
    m_control.getCursorPosition(&line, &column);
    const QString caption = tr("&Line number (1 - %1):").arg(lineCount);
    m_prompt->setText(caption);
    m_prompt->setAccessibleName(spokenCaption(caption));
    m_line->setAccessibleName(spokenCaption(caption));
    m_line->setRange(1, lineCount);
    m_line->setValue(line + 1);
    open();
    m_line->setFocus();
    m_line->selectAll();
}

void GoToLineDialog::goToLine()
{
    m_control.goToLine(m_line->value());
}

#include "moc_find_dialogs.cpp"
