#pragma once

#include <QByteArray>
#include <QString>

// A file that must be rewritten where it stands (its folder takes no new
// files) is cut to nothing for a moment; a kill then would leave it empty.
// The new contents therefore go first, whole and on the disk, to a journal in
// a folder that can be written (the per-user folder), and the journal goes
// only once the file itself holds them. A journal found later means the
// rewrite may have been cut short: FinishJournaledWrite puts its contents in
// place, so the file is always the old one or the new one.

// Rewrites the existing regular file `target` in place through a journal in
// `journalFolder`. False, with the file untouched, when the journal cannot be
// written; false also when the rewrite itself fails, the journal then stays
// for the next FinishJournaledWrite.
bool WriteThroughJournal(
    const QString& target, const QByteArray& data, const QString& journalFolder, QString& reason);

// Completes a rewrite of `target` that a journal in `journalFolder` records,
// and removes the journal. Does nothing without one; a journal that is not
// whole (it never is, being renamed into place) or names another file is
// left alone. Returns whether a rewrite was completed.
bool FinishJournaledWrite(const QString& target, const QString& journalFolder);

// Where the journal of `target` lies in `journalFolder`.
QString JournalName(const QString& target, const QString& journalFolder);
