// Small in-memory documents for the reader's tests.
#pragma once

#include <string>

#include "metasequoia/mqo_reader.h"

inline const std::string mqoHeader = "Metasequoia Document\nFormat Text Ver 1.0\n";

// A whole document: the header, the given chunks and the closing Eof line.
inline std::string mqoDocument(const std::string& chunks) { return mqoHeader + chunks + "Eof\n"; }

inline bool readText(const std::string& document, Scene& scene) {
    return readMqoDocument(document.data(), document.size(), scene);
}

// An object chunk with the given attribute lines, a unit square's points (scaled by 100) and faces.
inline std::string mqoObject(const std::string& name, const std::string& attributes, const std::string& faces) {
    return "Object \"" + name + "\" {\n" + attributes +
           "\tvertex 4 {\n\t\t0 0 0\n\t\t100 0 0\n\t\t100 100 0\n\t\t0 100 0\n\t}\n"
           "\tface 9 {\n" + faces + "\t}\n}\n";
}
