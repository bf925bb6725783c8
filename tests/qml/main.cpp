#include "qmltestenvironment.h"

#include <QApplication>
#include <QtQuickTest>

int main(int argc, char **argv)
{
    // The pages' question boxes are widgets.
    QApplication application(argc, argv);
    // As the plug-in allows it: the GPS page reads track files this way.
    qputenv("QML_XHR_ALLOW_FILE_READ", "1");
    QmlTestEnvironment environment;
    return quick_test_main_with_setup(argc, argv, "qml", QUICK_TEST_SOURCE_DIR, &environment);
}
