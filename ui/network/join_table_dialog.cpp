#include "ui/network/join_table_dialog.h"

#include "net/protocol/protocol_limits.h"
#include "ui/dialogs/dialog_font.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace zaviko::net;

TFJoinTable::TFJoinTable(const QString& name, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Pridruzi se stolu"));
    setObjectName(QStringLiteral("JoinTable"));
    setFont(DialogFont());
    auto* layout = new QVBoxLayout(this);
    auto* link = new QFormLayout;
    FLink = new QLineEdit(this);
    FLink->setObjectName(QStringLiteral("EditLink"));
    FLink->setPlaceholderText(QStringLiteral("zaviko://ADRESA:PORT/STO/KOD"));
    FLink->setMinimumWidth(420);
    link->addRow(tr("&Poziv:"), FLink);
    layout->addLayout(link);
    auto* apart = new QGroupBox(tr("ili upisi posebno"), this);
    auto* form = new QFormLayout(apart);
    FHost = new QLineEdit(apart);
    FHost->setObjectName(QStringLiteral("EditHost"));
    form->addRow(tr("&Adresa:"), FHost);
    FPort = new QSpinBox(apart);
    FPort->setObjectName(QStringLiteral("SpinPort"));
    FPort->setRange(1, 65535);
    FPort->setValue(7461);
    form->addRow(tr("P&ort:"), FPort);
    FCode = new QLineEdit(apart);
    FCode->setObjectName(QStringLiteral("EditCode"));
    FCode->setPlaceholderText(tr("STO/KOD, kraj poziva"));
    form->addRow(tr("&Kod stola:"), FCode);
    layout->addWidget(apart);
    auto* who = new QFormLayout;
    FName = new QLineEdit(name, this);
    FName->setObjectName(QStringLiteral("EditName"));
    FName->setMaxLength(kMaxNameChars);
    who->addRow(tr("&Tvoje ime:"), FName);
    layout->addLayout(who);
    FProblem = new QLabel(this);
    FProblem->setObjectName(QStringLiteral("LabelProblem"));
    FProblem->setWordWrap(true);
    layout->addWidget(FProblem);
    auto* buttons = new QDialogButtonBox(this);
    FJoin = buttons->addButton(tr("Pridruzi se"), QDialogButtonBox::AcceptRole);
    FJoin->setObjectName(QStringLiteral("ButtonJoin"));
    FJoin->setDefault(true);
    buttons->addButton(tr("Odustani"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("ButtonCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(FLink, &QLineEdit::textEdited, this, &TFJoinTable::LinkEdited);
    for (QLineEdit* edit : { FHost, FCode, FName })
        connect(edit, &QLineEdit::textChanged, this, &TFJoinTable::Check);
    connect(FPort, &QSpinBox::valueChanged, this, &TFJoinTable::Check);
    Check();
}

// A pasted link fills the fields below, so the two never disagree.
void TFJoinTable::LinkEdited(const QString& text)
{
    if (const auto invitation = ParseInvitation(text.trimmed())) {
        FHost->setText(invitation->host);
        FPort->setValue(invitation->port);
        FCode->setText(invitation->table + QLatin1Char('/') + invitation->code);
    }
    Check();
}

void TFJoinTable::SetLink(const QString& link)
{
    FLink->setText(link);
    LinkEdited(link);
}

std::optional<TInvitation> TFJoinTable::Invitation() const
{
    const QString host = FHost->text().trimmed();
    if (host.isEmpty()) return std::nullopt;
    // An IPv6 address needs its brackets in a link.
    const QString shown = host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('['))
        ? '[' + host + ']'
        : host;
    return ParseInvitation(QStringLiteral("zaviko://%1:%2/%3")
                               .arg(shown)
                               .arg(FPort->value())
                               .arg(FCode->text().trimmed()));
}

QString TFJoinTable::Name() const
{
    return FName->text().trimmed();
}

void TFJoinTable::Check()
{
    const bool linkTyped = !FLink->text().trimmed().isEmpty();
    const bool linkGood = ParseInvitation(FLink->text().trimmed()).has_value();
    QString problem;
    if (linkTyped && !linkGood)
        problem = tr("Poziv nije ispravan. Treba da izgleda ovako: "
                     "zaviko://ADRESA:PORT/STO/KOD");
    else if (!Invitation() && !FHost->text().trimmed().isEmpty())
        problem = tr("Kod stola treba da bude oblika STO/KOD, kao na kraju poziva.");
    else if (Name().isEmpty())
        problem = tr("Upisi svoje ime: ostali ga vide za stolom.");
    FProblem->setText(problem);
    FJoin->setEnabled(problem.isEmpty() && Invitation().has_value());
}
