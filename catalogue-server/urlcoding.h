#ifndef URLCODING_H
#define URLCODING_H

#include <string>

// Percent-encodes everything but unreserved characters, for query values.
std::string percentEncode(const std::string &value);

#endif // URLCODING_H
