#include <array>

#include "resources/StringIds.h"
#include "resources/languages/German/GermanResources.h"

namespace lanvane::german {
namespace {

constexpr std::array kStrings = {
    StringEntry{sid::kWepKeyInvalid,
                "Der WEP-Schlüssel ist ungültig.\nDer WEP-Schlüssel muss 5 oder 10 Zeichen oder 10 oder 26 Hexadezimalziffern lang sein."},
    StringEntry{sid::kUserIdIncorrect, "Die Benutzerkennung ist falsch.\nBitte versuchen Sie es erneut."},
    StringEntry{sid::kPasswordIncorrect, "Das Kennwort ist falsch.\nBitte versuchen Sie es erneut."},
    StringEntry{sid::kSystemNameIncorrect, "Der Systemname ist falsch.\nBitte versuchen Sie es erneut."},
    StringEntry{sid::kPortNumberIncorrect, "Die Portnummer ist falsch.\nBitte versuchen Sie es erneut."},
    StringEntry{sid::kSsidIncorrect, "Die SSID ist falsch.\nBitte versuchen Sie es erneut."},
    StringEntry{sid::kPskKeyIncorrect, "Der PSK-Schlüssel ist falsch.\nBitte versuchen Sie es erneut."},
    StringEntry{sid::kAppCaption, "Lanvane"},
    StringEntry{sid::kTabSystemInformation, "System & Information"},
    StringEntry{sid::kTabBssInformation, "BSS-Information"},
    StringEntry{sid::kTabAuthentication, "Authentifizierung"},
    StringEntry{sid::kTabProtocol, "Protokoll"},
    StringEntry{sid::kTabNetwork, "Netzwerk"},
    StringEntry{sid::kTabCertification, "Zertifizierung"},
    StringEntry{sid::kDisable, "Deaktivieren"},
    StringEntry{sid::kEnable, "Aktivieren"},
    StringEntry{sid::kIncorrectPin, "Falsche PIN. Bitte geben Sie den PIN-Code erneut ein."},

    StringEntry{sid::kNoUsbDevice, "Keine Verbindung zum USB-Gerät möglich."},
    StringEntry{sid::kPortOpenFailed, "Der Anschluss kann nicht geöffnet werden."},
    StringEntry{sid::kMakerNameMismatch, "Dieser Drucker stammt nicht von unserem Unternehmen."},
    StringEntry{sid::kConnectFailed, "Die Verbindung zum Drucker ist fehlgeschlagen."},
    StringEntry{sid::kConnected, "Der Drucker wurde erfolgreich verbunden."},
    StringEntry{sid::kConfigWriteFailed, "Die Konfiguration ist fehlgeschlagen."},
    StringEntry{sid::kConfigWriteCompleted,
                "Die Konfiguration ist abgeschlossen.\nSetzen Sie den Drucker zurück."},
    StringEntry{sid::kBssImported, "Die BSS-Information wurde erfolgreich importiert."},
    StringEntry{sid::kBssImportFailed,
                "Die BSS-Information konnte nicht importiert werden.\nBitte prüfen Sie die IP-Adresse oder die Portnummer."},
    StringEntry{sid::kCertificateReadFailed, "Die Zertifikatsdatei konnte nicht gelesen werden."},
    StringEntry{sid::kCertificateTooLarge, "Eine Zertifikatsdatei darf höchstens 3 KB groß sein."},
    StringEntry{sid::kCertificateSelected, "Die Zertifikatsdatei ist ausgewählt."},
    StringEntry{sid::kCertificateInvalid, "Die Zertifikatsdatei ist ungültig."},
    StringEntry{sid::kNoValidCertificate,
                "Keine Zertifikatsdatei ausgewählt oder die ausgewählte Datei ist ungültig."},
    StringEntry{sid::kCertificateUploaded,
                "Das Zertifikat wurde erfolgreich übertragen.\nSetzen Sie den Drucker zurück."},
    StringEntry{sid::kCertificateUploadFailed,
                "Das Zertifikat konnte nicht übertragen werden.\nSetzen Sie den Drucker zurück."},

    StringEntry{sid::kWarningCaption, "Warnung"},
    StringEntry{sid::kEthernetConfigurationTitle, "Ethernet-Konfiguration"},
    StringEntry{sid::kWlanConfigurationTitle, "WLAN-Konfiguration"},
    StringEntry{sid::kCertificateFileFilter, "Originales Zertifikatsformat (*.*)|*|"},
};

}  // namespace

std::span<const StringEntry> Strings() {
    return kStrings;
}

}  // namespace lanvane::german
