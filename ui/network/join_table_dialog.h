#pragma once

#include "net/protocol/invitation.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Pridruzi se...": the invitation link pasted whole, or the host's address,
// port and the table's code typed apart, and the name to sit down with.
class TFJoinTable : public QDialog {
    Q_OBJECT
public:
    explicit TFJoinTable(const QString& name, QWidget* parent = nullptr);
    // The invitation the fields make; nothing while they make none.
    std::optional<zaviko::net::TInvitation> Invitation() const;
    QString Name() const;
    void SetLink(const QString& link);

private:
    void LinkEdited(const QString& text);
    void Check();

    QLineEdit* FLink = nullptr;
    QLineEdit* FHost = nullptr;
    QSpinBox* FPort = nullptr;
    QLineEdit* FCode = nullptr;
    QLineEdit* FName = nullptr;
    QLabel* FProblem = nullptr;
    QPushButton* FJoin = nullptr;
};
