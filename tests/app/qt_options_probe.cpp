// Starts Qt with the arguments given and prints what it made of them: the
// style (none of its own under a style sheet), the layout direction, the
// style sheet, and the arguments it left.
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
