#pragma once

// Ids of the string table. Every text a window or message shows is looked up by its id, so a
// language library can replace it.
//
// Id ranges:
//     1 -  99  ids the product fixed (messages, captions, tab labels, list entries)
//   200 - 239  messages of the Serial/USB road that have no fixed id
//   240 - 259  messages this program adds
//   260 - 299  captions, window titles and file dialog filters set at run time
//   300 - 339  list column headers
//   340 - 399  value names and cell texts
//   400 - 429  row names of the configuration summary, row n at 399 + n
namespace lanvane::sid {

// Validation of the configuration pages.
constexpr int kWepKeyInvalid = 5;
constexpr int kUserIdIncorrect = 10;
constexpr int kPasswordIncorrect = 11;
constexpr int kSystemNameIncorrect = 12;
constexpr int kPortNumberIncorrect = 13;
constexpr int kCommunityNameIncorrect = 15;
constexpr int kTrapCommunityIncorrect = 16;
constexpr int kAdhocChannelIncorrect = 17;
constexpr int kSsidIncorrect = 18;
constexpr int kPskKeyIncorrect = 19;
constexpr int kCertificateIdIncorrect = 20;
constexpr int kCertificatePasswordIncorrect = 21;
constexpr int kAdhocModeNotAvailable = 30;

// LAN road: device list and network setting dialog.
constexpr int kSelectDevice = 33;
constexpr int kSearchDeviceAgain = 34;
constexpr int kDeviceListReadFailed = 35;
constexpr int kCheckAddressOrPort = 36;
constexpr int kPortNotAvailable = 37;
constexpr int kAddressCannotBeUsed = 39;
constexpr int kEthernetSettingCompleted = 41;
constexpr int kWlanSettingCompleted = 43;

// Range corrections while typing.
constexpr int kPortOutOfRange = 44;
constexpr int kTimeNotSet = 47;
constexpr int kChannelNotSet = 48;
constexpr int kAdhocNeedsManualAddress = 49;

constexpr int kAppCaption = 52;
constexpr int kNowSearching = 53;

// Tab labels of the configuration window, in their own id order.
constexpr int kTabSystemInformation = 54;
constexpr int kTabBssInformation = 55;
constexpr int kTabAuthentication = 56;
constexpr int kTabProtocol = 57;
constexpr int kTabNetwork = 58;
constexpr int kTabCertification = 59;

// Entries of the service lists, and the switch names of the summary.
constexpr int kDisable = 67;
constexpr int kEnable = 68;

// Label of the Authentication page's password field.
constexpr int kAuthenticationPasswordLabel = 83;
constexpr int kCertificationPasswordLabel = 84;

constexpr int kIncorrectPin = 85;

// Serial/USB road.
constexpr int kNoUsbDevice = 200;
constexpr int kPortOpenFailed = 201;
constexpr int kMakerNameMismatch = 202;
constexpr int kConnectFailed = 203;
constexpr int kConnected = 204;
constexpr int kConfigWriteFailed = 205;
constexpr int kConfigWriteCompleted = 206;
constexpr int kBssImported = 210;
constexpr int kBssImportFailed = 211;
constexpr int kCertificateReadFailed = 220;
constexpr int kCertificateTooLarge = 221;
constexpr int kCertificateSelected = 222;
constexpr int kCertificateInvalid = 223;
constexpr int kNoValidCertificate = 224;
constexpr int kCertificateUploaded = 225;
constexpr int kCertificateUploadFailed = 226;
// What a refused certificate file holds and how to make the PEM file the printer takes.
constexpr int kCertificateSmallerKey = 227;
constexpr int kCertificateNotPemCertificate = 228;
constexpr int kCertificateNotPemKey = 229;
constexpr int kCertificateDerCertificate = 230;
constexpr int kCertificateDerKey = 231;
constexpr int kCertificatePkcs12 = 232;

// Messages this program adds.
constexpr int kLanSettingNotConfirmed = 240;
constexpr int kCertificatesOverSerialUsb = 241;
constexpr int kNetworkUnusable = 242;  // socket not bound, or broadcast not sent
constexpr int kEnterWholeNumber = 243;

// A manually assigned address the printer could not be reached at (0.0.0.0 is kAddressCannotBeUsed).
constexpr int kSubnetMaskInvalid = 250;
constexpr int kAddressIsLoopback = 251;
constexpr int kAddressIsMulticast = 252;  // and everything above, 255.255.255.255 among it
constexpr int kAddressIsSubnetNetwork = 253;
constexpr int kAddressIsSubnetBroadcast = 254;
constexpr int kGatewayOutsideSubnet = 255;
constexpr int kGatewayIsPrinterAddress = 256;

// Captions, titles, filters.
constexpr int kWarningCaption = 260;
constexpr int kEthernetConfigurationTitle = 261;
constexpr int kWlanConfigurationTitle = 262;
constexpr int kCertificateFileFilter = 263;

// Column headers: device list, BSS views, summary.
constexpr int kColumnNo = 300;
constexpr int kColumnMacAddress = 301;
constexpr int kColumnIpAddress = 302;
constexpr int kColumnSubnet = 303;
constexpr int kColumnGateway = 304;
constexpr int kColumnPort = 305;
constexpr int kColumnVersion = 306;
constexpr int kColumnSsid = 310;
constexpr int kColumnBssid = 311;
constexpr int kColumnMode = 312;       // BSS Information dialog
constexpr int kColumnModeUpper = 313;  // BSS Information page
constexpr int kColumnRssi = 314;
constexpr int kColumnSecurity = 315;
constexpr int kColumnName = 320;
constexpr int kColumnValue = 321;

// Cell texts and list entries.
constexpr int kAddressNotConfigured = 340;
constexpr int kVersionNotAvailable = 341;
constexpr int kConnectionModePinPbc = 342;
constexpr int kBssModeInfrastructure = 343;
constexpr int kBssModeAdhoc = 344;
constexpr int kBssNoSecurity = 345;

// Value names of the summary, by code.
constexpr int kNetworkModeInfra = 350;
constexpr int kNetworkModeAdhoc = 351;
constexpr int kIpAssignmentManual = 352;  // dhcp 0
constexpr int kIpAssignmentDhcp = 353;    // dhcp 1
constexpr int kAuthenticationOpenSystem = 354;
constexpr int kAuthenticationSharedKey = 355;
constexpr int kAuthenticationWpaPsk = 356;
constexpr int kAuthenticationWpa2Psk = 357;
constexpr int kAuthenticationWpa = 358;
constexpr int kAuthenticationWpa2 = 359;
constexpr int kCryptographNone = 360;
constexpr int kCryptographWep64 = 361;
constexpr int kCryptographWep128 = 362;
constexpr int kCryptographTkip = 363;
constexpr int kCryptographAes = 364;
constexpr int kCryptographAesTkip = 365;
constexpr int kEapPeap = 370;
constexpr int kEapTtls = 371;
constexpr int kEapTls = 372;
constexpr int kEapLeap = 373;
constexpr int kEapFast = 374;
constexpr int kEapNone = 375;

// Row names of the configuration summary.
constexpr int kSummaryPrinterName = 400;
constexpr int kSummaryPrinterPort = 401;
constexpr int kSummaryUserId = 402;
constexpr int kSummaryUserPassword = 403;
constexpr int kSummaryHttps = 404;
constexpr int kSummaryTelnet = 405;
constexpr int kSummaryFtp = 406;
constexpr int kSummarySnmp = 407;
constexpr int kSummarySetCommunity = 408;
constexpr int kSummaryGetCommunity = 409;
constexpr int kSummaryTrapIpAddress = 410;
constexpr int kSummaryTrapCommunity = 411;
constexpr int kSummaryNetworkMode = 412;
constexpr int kSummaryAdhocChannel = 413;
constexpr int kSummarySsid = 414;
constexpr int kSummaryInactivityTime = 415;
constexpr int kSummaryIpAssignment = 416;
constexpr int kSummaryIpAddress = 417;
constexpr int kSummarySubnetMask = 418;
constexpr int kSummaryGateway = 419;
constexpr int kSummaryAuthentication = 420;
constexpr int kSummaryCryptograph = 421;
constexpr int kSummaryWepKey = 422;
constexpr int kSummaryPskKey = 423;
constexpr int kSummaryEapMode = 424;
constexpr int kSummaryAuthId = 425;
constexpr int kSummaryAuthPassword = 426;
constexpr int kSummaryP2pConnMode = 427;
constexpr int kSummaryP2pChannel = 428;
constexpr int kSummaryP2pPinCode = 429;

}  // namespace lanvane::sid
