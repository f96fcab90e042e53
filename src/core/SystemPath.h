#pragma once

#include <QString>
#include <string>

namespace rotulano::core {

// How a file name travels through the program: a std::string everywhere. On Linux it
// holds the file system's own bytes, whatever their encoding; on Windows it holds UTF-8,
// turned into the system's UTF-16 only where a system call takes it (wideSystemPath), so
// that any name Windows takes (Greek, Chinese, an emoji) survives a round trip through
// the order list, the settings and `-o`. Record bytes are never file names: they stay
// Latin-1 and never pass through here.
//
// The name that Qt gives (the file dialog, the current folder) as the program keeps it.
std::string pathFromQt(const QString& name);

// The program's name of a file as Qt takes it.
QString pathToQt(const std::string& path);

#ifdef _WIN32
// The name as the ...W calls of Windows take it. A Windows name may hold a lone UTF-16
// surrogate; the program keeps it as its three bytes (core/WideText.h), so that every
// name Windows gives comes back to its file.
std::wstring wideSystemPath(const std::string& path);

// A name that Windows gave, as the program keeps it.
std::string pathFromWide(const std::wstring& name);
#endif

}  // namespace rotulano::core
