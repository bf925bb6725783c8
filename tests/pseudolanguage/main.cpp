#include "pseudotranslation.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

// pseudo-translate <in.ts> <out.ts>: the catalogue with every message in the
// pseudo-language, for the layout tests.
int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream errors(stderr);
    if (arguments.size() != 3) {
        errors << "usage: pseudo-translate <in.ts> <out.ts>\n";
        return 2;
    }
    QFile in(arguments.at(1));
    QFile out(arguments.at(2));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        errors << "pseudo-translate: " << (in.isOpen() ? out : in).errorString() << '\n';
        return 1;
    }
    const QString error = pseudoTranslateCatalogue(in, out);
    if (!error.isEmpty()) {
        errors << "pseudo-translate: " << in.fileName() << ": " << error << '\n';
        out.remove();
        return 1;
    }
    return 0;
}
