#include "ui/dialogs/help_viewer.h"

#include "platform/message_sink.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpViewer::THelpViewer(const QString& HelpFile, QWidget* parent)
    : QDialog(parent)
    , FBrowser(new QTextBrowser(this))
{
    setWindowTitle(tr("Zaviko - Pomoc"));
    resize(640, 560);
    // The page links only within itself; nothing leaves for the network.
    FBrowser->setOpenExternalLinks(false);
    FBrowser->setOpenLinks(true);
    FBrowser->setSource(QUrl::fromLocalFile(HelpFile), QTextDocument::HtmlResource);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Zatvori"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FBrowser);
    layout->addWidget(buttons);
}

QString HelpFileOf(const QString& ProgramPath)
{
    const QFileInfo program(ProgramPath);
    return program.dir().filePath(program.completeBaseName() + QStringLiteral(".hlp"));
}

THelpViewer* ShowHelp(QWidget* parent, const QString& helpFile)
{
    QFile file(helpFile);
    if (!QFileInfo(helpFile).isFile() || !file.open(QIODevice::ReadOnly)) {
        MessageSink().Error(THelpViewer::tr("Pomoc nije dostupna: datoteka %1 ne postoji ili ne "
                                            "moze da se procita.")
                                .arg(QDir::toNativeSeparators(helpFile))
                                .toStdString());
        return nullptr;
    }
    auto* viewer = new THelpViewer(helpFile, parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
    return viewer;
}
