#include "support/SignalRecorder.h"

QString SignalRecorder::format(const QString &label, const QVariantList &args)
{
    if (args.isEmpty())
        return label;
    QStringList texts;
    for (const QVariant &arg : args)
        texts.append(arg.toString());
    return label + QLatin1Char('(') + texts.join(QStringLiteral(", ")) + QLatin1Char(')');
}
