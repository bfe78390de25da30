#include "ui/desktop/qt_texts.h"

#include <QtGlobal>

const std::vector<TQtText>& QtTextsShown()
{
    static const std::vector<TQtText> texts = {
        { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Undo") },
        { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Redo") },
        { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Cu&t") },
        { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Copy") },
        { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Paste") },
        { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Delete") },
        { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Select All") },
        { "QAbstractSpinBox", QT_TRANSLATE_NOOP("QAbstractSpinBox", "&Step up") },
        { "QAbstractSpinBox", QT_TRANSLATE_NOOP("QAbstractSpinBox", "Step &down") },
        { "QWidgetTextControl", QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy") },
        { "QWidgetTextControl", QT_TRANSLATE_NOOP("QWidgetTextControl", "Copy &Link Location") },
        { "QWidgetTextControl", QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All") },
    };
    return texts;
}
