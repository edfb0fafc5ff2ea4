// Starts Qt with the arguments given and prints what it made of them: style
// (none under a style sheet), layout direction, style sheet, arguments left.
#include <QApplication>
#include <QStyle>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::printf("style=%s direction=%s stylesheet=%s left=%d\n",
                qPrintable(QApplication::style()->name()),
                QApplication::layoutDirection() == Qt::RightToLeft ? "rtl" : "ltr",
                qPrintable(app.styleSheet()), argc - 1);
    return 0;
}
