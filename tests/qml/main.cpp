#include "qmltestenvironment.h"

#include <QApplication>
#include <QtQuickTest>

int main(int argc, char **argv)
{
    // The pages' question boxes are widgets.
    QApplication application(argc, argv);
    QmlTestEnvironment environment;
    return quick_test_main_with_setup(argc, argv, "qml", QUICK_TEST_SOURCE_DIR, &environment);
}
