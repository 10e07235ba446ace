#include "textdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::string ZeilenMitCrLf(const std::vector<std::string>& zeilen) {
    std::string text;
    for (std::size_t k = 0; k < zeilen.size(); ++k) {
        if (k > 0) text += "\r\n";
        const std::string& z = zeilen[k];
        for (std::size_t i = 0; i < z.size(); ++i) {
            if (z[i] != '\r' && z[i] != '\n') {
                text.push_back(z[i]);
                continue;
            }
            if (z[i] == '\r' && i + 1 < z.size() && z[i + 1] == '\n') ++i;
            text += "\r\n";
        }
    }
    return text;
}

std::string ZeilenZuDateitext(const std::vector<std::string>& zeilen, Dateikodierung vorzug) {
    return Utf8ZuDateitext(ZeilenMitCrLf(zeilen), vorzug);
}

std::vector<std::string> DateitextZuZeilen(std::string_view bytes) {
    return TeileZeilen(DateitextZuUtf8(bytes));
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

bool ErsetzeDatei(const std::string& pfad, std::string_view bytes, std::string* grund) {
    const auto fehler = [&](int nummer) {
        if (grund) *grund = Systemgrund(nummer);
        return false;
    };
    std::string neu;
    int fd = -1;
    for (int versuch = 0; fd < 0; ++versuch) {
        neu = pfad + ".neu" + std::to_string(getpid()) + "-" + std::to_string(versuch);
        fd = ::open(neu.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || versuch >= 100)) return fehler(errno);
    }
    struct stat alt {};
    if (::stat(pfad.c_str(), &alt) == 0) ::fchmod(fd, alt.st_mode & 07777);
    std::size_t geschrieben = 0;
    errno = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        geschrieben += static_cast<std::size_t>(n);
    }
    int nummer = geschrieben < bytes.size() ? (errno != 0 ? errno : EIO) : 0;
    if (nummer == 0 && ::fsync(fd) != 0) nummer = errno;
    if (::close(fd) != 0 && nummer == 0) nummer = errno;
    if (nummer == 0 && std::rename(neu.c_str(), pfad.c_str()) != 0) nummer = errno;
    if (nummer != 0) {
        ::unlink(neu.c_str());
        return fehler(nummer);
    }
    return true;
}

std::string Begleitdatei(const std::string& pfad, std::string_view endung) {
    const std::size_t schraeg = pfad.find_last_of('/');
    const std::size_t punkt = pfad.rfind('.');
    const bool hatEndung =
        punkt != std::string::npos && (schraeg == std::string::npos || punkt > schraeg);
    return (hatEndung ? pfad.substr(0, punkt) : pfad) + std::string(endung);
}

}  // namespace quintor
