// Build tool: turns a factory curve description (.curve text) into a .tcv file with the editor's
// own writer, so the shipped files are exactly what the editor reads.
//
//   name <text>          the curve's name
//   reserved <int>       optional, default -1
//   point <in> <out>     a control point; entries without one stay empty
//   # ...                comment

#include "EdCurveFiles.h"
#include "EdTouchCurveData.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {
int Fail(const QString& input, int line, const char* what)
{
    std::fprintf(stderr, "%s:%d: %s\n", qPrintable(input), line, what);
    return 1;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s input.curve output.tcv\n", argv[0]);
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    QFile in(input);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return Fail(input, 0, "cannot open");

    CEdTouchCurveData curve;
    curve.SetName({});
    for (int i = 0; i < CEdTouchCurveData::kEntryCount; ++i)
        curve.SetPoint(i, CEdTouchCurveData::kNoPoint);

    QTextStream text(&in);
    for (int line = 1; !text.atEnd(); ++line) {
        const QString raw = text.readLine().trimmed();
        if (raw.isEmpty() || raw.startsWith(QLatin1Char('#')))
            continue;
        const QString keyword = raw.section(QLatin1Char(' '), 0, 0);
        const QString rest = raw.section(QLatin1Char(' '), 1).trimmed();
        const QStringList numbers = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok1 = false, ok2 = false;
        if (keyword == QLatin1String("name")) {
            if (rest.isEmpty() || rest.size() > 40)
                return Fail(input, line, "a name has 1 to 40 characters");
            curve.SetName(rest);
        } else if (keyword == QLatin1String("reserved") && numbers.size() == 1) {
            curve.SetReserved(numbers[0].toInt(&ok1));
            if (!ok1)
                return Fail(input, line, "bad number");
        } else if (keyword == QLatin1String("point") && numbers.size() == 2) {
            const int pin = numbers[0].toInt(&ok1);
            const int pout = numbers[1].toInt(&ok2);
            if (!ok1 || !ok2 || pin < 0 || pin > 127 || pout < 0 || pout > 127)
                return Fail(input, line, "a point is two numbers from 0 to 127");
            curve.SetPoint(pin, pout);
        } else {
            return Fail(input, line, "expected: name, reserved or point");
        }
    }
    if (curve.GetName().isEmpty() || curve.GetPoint(0) < 0 || curve.GetPoint(127) < 0)
        return Fail(input, 0, "a curve needs a name and points at IN 0 and 127");

    const auto bytes = curve.Store();
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        return Fail(QString::fromLocal8Bit(argv[2]), 0, "cannot write");
    return 0;
}
