// A component by its path of object names ("PageControl1.TabSheet1"), as the
// language files name it: each name is a descendant of the one before with
// no named object in between (unnamed layout boxes and splitters and Qt's
// own "qt_" parts are no level). Null when a level is missing or the last is not a T.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace vx::test {

template <class T = QObject>
T* FindByPath(QObject* root, const QString& path) {
    QObject* current = root;
    for (const QString& name : path.split(QLatin1Char('.'))) {
        QObject* found = nullptr;
        for (QObject* candidate : current->findChildren<QObject*>(name)) {
            QObject* up = candidate->parent();
            while (up != current && (up->objectName().isEmpty() ||
                                     up->objectName().startsWith(QLatin1String("qt_"))))
                up = up->parent();
            if (up == current) {
                found = candidate;
                break;
            }
        }
        if (found == nullptr) return nullptr;
        current = found;
    }
    return qobject_cast<T*>(current);
}

}  // namespace vx::test
