#include "AssertionHandler.h"

#include <QDebug>

namespace assertion_handler {

void handleFailureInMethod(const char* method, const void* object, const char* file, int line,
                           const QString& description)
{
    qWarning().noquote() << QStringLiteral("*** Assertion failure in %1 (%2), %3:%4: %5")
                                .arg(QLatin1String(method))
                                .arg(quintptr(object), 0, 16)
                                .arg(QLatin1String(file))
                                .arg(line)
                                .arg(description);
    throw InternalInconsistencyException(description.toStdString());
}

} // namespace assertion_handler
