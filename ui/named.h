// Every control carries its name as objectName; this sets it where the control is made.
#pragma once

#include <QObject>
#include <QString>

template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
