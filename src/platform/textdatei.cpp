#include "textdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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
        case EPIPE:
            return "Der Empfänger hat die Pipe geschlossen.";
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

int testFehlerBeimAnlegen = 0;

Gelesen LeseDatei(const std::string& pfad, std::size_t hoechstens) {
    Gelesen g;
    const auto fehler = [&](Lesefehler art, int nummer) {
        g.bytes.clear();
        g.fehler = art;
        if (nummer != 0) g.grund = Systemgrund(nummer);
        return std::move(g);
    };
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fehler(Lesefehler::NichtLesbar, errno);
    struct Schliesser {
        int fd;
        ~Schliesser() { ::close(fd); }
    } schliesser{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) return fehler(Lesefehler::NichtLesbar, errno);
    if (S_ISDIR(info.st_mode)) return fehler(Lesefehler::NichtLesbar, EISDIR);
    if (S_ISREG(info.st_mode)) {
        g.groesse = static_cast<std::uint64_t>(info.st_size);
        if (g.groesse > hoechstens) return fehler(Lesefehler::ZuGross, 0);
        g.bytes.reserve(static_cast<std::size_t>(g.groesse));
    }
    // A file may grow while it is read, and a pipe has no size: never more than one byte beyond.
    char puffer[65536];
    for (;;) {
        const std::size_t rest = hoechstens - g.bytes.size();
        const ssize_t n = ::read(fd, puffer, rest < sizeof puffer ? rest + 1 : sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fehler(Lesefehler::NichtLesbar, errno);
        if (n == 0) break;
        g.bytes.append(puffer, static_cast<std::size_t>(n));
        if (g.bytes.size() > hoechstens) return fehler(Lesefehler::ZuGross, 0);
    }
    return g;
}

Lesefehler PruefeText(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        return Lesefehler::Utf16;
    std::size_t steuerzeichen = 0;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0) return Lesefehler::KeinText;
        if (b < 0x20 && b != '\t' && b != '\r' && b != '\n' && b != '\f' && b != 0x1A)
            ++steuerzeichen;
    }
    return steuerzeichen * 100 > bytes.size() ? Lesefehler::KeinText : Lesefehler::Keiner;
}

Gelesen LeseTextdatei(const std::string& pfad) {
    Gelesen g = LeseDatei(pfad, kGroessteTextdatei);
    if (g) g.fehler = PruefeText(g.bytes);
    if (!g) g.bytes.clear();
    return g;
}

std::string Lesemeldung(const std::string& pfad, const Gelesen& g, std::string_view art) {
    const std::string keine = "Die Datei " + pfad + " ist keine " + std::string(art) + ":\n";
    const std::string grenze = std::to_string(kGroessteTextdatei / 1024);
    switch (g.fehler) {
        case Lesefehler::Keiner:
            return {};
        case Lesefehler::NichtLesbar:
            return "Datei " + pfad + " kann nicht geöffnet werden. " + g.grund;
        case Lesefehler::ZuGross:
            if (g.groesse > kGroessteTextdatei)
                return keine + "Sie ist " + std::to_string((g.groesse + 1023) / 1024) +
                       " KB groß, erlaubt sind " + grenze + " KB.";
            return keine + "Sie ist größer als " + grenze + " KB.";
        case Lesefehler::KeinText:
            return keine + "Sie enthält keinen Text.";
        case Lesefehler::Utf16:
            return keine + "Sie ist in UTF-16 geschrieben.";
    }
    return {};
}

namespace {

// The file a path names, through a symbolic link, so that replacing it keeps the link.
std::string Ziel(const std::string& pfad) {
    struct stat info {};
    if (::lstat(pfad.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return pfad;
    std::unique_ptr<char, void (*)(void*)> echt(::realpath(pfad.c_str(), nullptr), &std::free);
    return echt ? std::string(echt.get()) : pfad;
}

// Writes all bytes; 0, or the error number.
int SchreibeAlles(int fd, std::string_view bytes) {
    std::size_t geschrieben = 0;
    errno = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return errno != 0 ? errno : EIO;
        geschrieben += static_cast<std::size_t>(n);
    }
    return 0;
}

// The old file rewritten in place, for a folder that takes no new file. The space is claimed
// first, so that a full disk leaves the old content whole. 0, or the error number.
int SchreibeAnOrt(const std::string& pfad, std::string_view bytes) {
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    int nummer = 0;
    if (!bytes.empty()) {
        const int r = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
        if (r != 0 && r != EINVAL && r != EOPNOTSUPP) nummer = r;
    }
    if (nummer == 0) nummer = SchreibeAlles(fd, bytes);
    if (nummer == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) nummer = errno;
    if (nummer == 0 && ::fsync(fd) != 0) nummer = errno;
    if (::close(fd) != 0 && nummer == 0) nummer = errno;
    return nummer;
}

}  // namespace

bool ErsetzeDatei(const std::string& pfad, std::string_view bytes, std::string* grund) {
    const auto fehler = [&](int nummer) {
        if (grund) *grund = Systemgrund(nummer);
        return false;
    };
    const std::string ziel = Ziel(pfad);
    std::string neu;
    int fd = -1;
    for (int versuch = 0; fd < 0; ++versuch) {
        neu = ziel + ".neu" + std::to_string(getpid()) + "-" + std::to_string(versuch);
        if (testFehlerBeimAnlegen != 0) {
            errno = testFehlerBeimAnlegen;
        } else {
            fd = ::open(neu.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        }
        if (fd >= 0 || (errno == EEXIST && versuch < 100)) continue;
        const int nummer = errno;
        struct stat alt {};
        const bool alteDatei = ::stat(ziel.c_str(), &alt) == 0 && S_ISREG(alt.st_mode);
        if ((nummer == EACCES || nummer == EPERM) && alteDatei) {
            const int anOrt = SchreibeAnOrt(ziel, bytes);
            return anOrt == 0 ? true : fehler(anOrt);
        }
        return fehler(nummer);
    }
    struct stat alt {};
    if (::stat(ziel.c_str(), &alt) == 0) ::fchmod(fd, alt.st_mode & 07777);
    int nummer = SchreibeAlles(fd, bytes);
    if (nummer == 0 && ::fsync(fd) != 0) nummer = errno;
    if (::close(fd) != 0 && nummer == 0) nummer = errno;
    if (nummer == 0 && std::rename(neu.c_str(), ziel.c_str()) != 0) nummer = errno;
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
