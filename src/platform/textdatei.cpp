#include "textdatei.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace quintor {

std::string Systemgrund(int fehlernummer) {
    switch (fehlernummer) {
        case ENOENT:
            return "Die Datei oder der Ordner existiert nicht.";
        case EACCES:
        case EPERM:
            return "Zugriff verweigert.";
        case EISDIR:
            return "Das ist ein Ordner.";
        case ENOSPC:
            return "Der Datenträger ist voll.";
        case EROFS:
            return "Der Datenträger ist schreibgeschützt.";
        case ENAMETOOLONG:
            return "Der Name ist zu lang.";
        case EIO:
            return "Ein-/Ausgabefehler.";
        default:
            return std::strerror(fehlernummer);
    }
}

std::vector<std::string> TeileZeilen(std::string_view text) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            zeilen.emplace_back(text.substr(anfang, i - anfang));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            anfang = i + 1;
        }
    }
    zeilen.emplace_back(text.substr(anfang));
    return zeilen;
}

std::optional<std::string> LeseDatei(const std::string& pfad, std::string* grund) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(pfad.c_str(), "rb"), &std::fclose);
    if (!f) {
        if (grund) *grund = Systemgrund(errno);
        return std::nullopt;
    }
    std::string inhalt;
    char puffer[65536];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f.get())) > 0) inhalt.append(puffer, n);
    if (std::ferror(f.get())) {
        if (grund) *grund = Systemgrund(errno);
        return std::nullopt;
    }
    return inhalt;
}

std::string Begleitdatei(const std::string& pfad, std::string_view endung) {
    const std::size_t schraeg = pfad.find_last_of('/');
    const std::size_t punkt = pfad.rfind('.');
    const bool hatEndung =
        punkt != std::string::npos && (schraeg == std::string::npos || punkt > schraeg);
    return (hatEndung ? pfad.substr(0, punkt) : pfad) + std::string(endung);
}

}  // namespace quintor
