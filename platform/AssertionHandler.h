#pragma once
#include <QString>

#include <stdexcept>

// What NSAssertionHandler raises: an internal-inconsistency failure that ends the current request.
class InternalInconsistencyException : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

namespace assertion_handler {

// Reports the failed check and throws InternalInconsistencyException with `description`.
[[noreturn]] void handleFailureInMethod(const char* method, const void* object, const char* file, int line,
                                        const QString& description);

} // namespace assertion_handler
