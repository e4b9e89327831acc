#pragma once

// Dialog and control ids. A language library carries its translated dialogs under these same
// ids, so they never change once released.
namespace lanvane {

// The application icon, shown by the main menu, also while it is minimised.
namespace icon {
constexpr int kApplication = 128;
}  // namespace icon

namespace dlg {
constexpr int kMainMenu = 102;
constexpr int kSystemPage = 105;
constexpr int kNetworkSetting = 130;
constexpr int kDeviceList = 132;
constexpr int kSearch = 133;
constexpr int kInterfaceConfig = 141;
constexpr int kProtocolPage = 146;
constexpr int kBssPage = 147;
constexpr int kNetworkPage = 148;
constexpr int kAuthPage = 149;
constexpr int kCertPage = 150;
constexpr int kBssInfo = 151;
constexpr int kConfigSummary = 152;
}  // namespace dlg

// Control ids are unique within one dialog only; names carry the dialog where the number
// means something else elsewhere.
namespace ctl {
constexpr int kUnaddressed = -1;  // labels and frames that no code touches

// The classic predefined button ids.
constexpr int kOk = 1;
constexpr int kCancel = 2;

// Main menu (dlg::kMainMenu). Its "Exit" button is kCancel.
constexpr int kEthernetButton = 1000;
constexpr int kWlanButton = 1001;
constexpr int kSerialUsbButton = 1002;

// Search (dlg::kSearch). Its "Cancel" button is kCancel.
// Not drawn: the id under which the dialog's UDP socket reports its datagrams.
constexpr int kSearchSocket = 1000;
constexpr int kSearchProgress = 1009;
constexpr int kSearchStatus = 1010;

// Device list (dlg::kDeviceList). Its "Exit" button is kOk.
constexpr int kDeviceListView = 1005;
constexpr int kSearchButton = 1002;
constexpr int kSettingButton = 1003;
constexpr int kWebConfigButton = 1007;
constexpr int kCertificateUploadButton = 1008;
constexpr int kBssInfoButton = 1009;

// Network setting (dlg::kNetworkSetting). "Save" is kOk, "Cancel" is kCancel.
// Not drawn: the id under which the dialog's UDP socket reports its datagrams.
constexpr int kSettingSocket = 1000;
constexpr int kSettingDhcp = 1013;
constexpr int kSettingIpAddress = 1015;
constexpr int kSettingGateway = 1017;
constexpr int kSettingLocalPort = 1018;
constexpr int kSettingInactivity = 1019;
constexpr int kSettingSubnetMask = 1020;
constexpr int kSettingBaudRate = 1021;
constexpr int kSettingFirmwareVersion = 1022;

// Configuration window (dlg::kInterfaceConfig). "Quit" is kCancel.
constexpr int kPortList = 1005;
constexpr int kConfigTab = 1013;
constexpr int kUpdateButton = 1014;
constexpr int kConnectButton = 1016;
constexpr int kDisconnectButton = 1017;
constexpr int kSerialRadio = 1075;
constexpr int kUsbRadio = 1076;

// System & Information page (dlg::kSystemPage).
constexpr int kPrinterName = 1018;
constexpr int kPrinterPort = 1019;
constexpr int kUserId = 1020;
constexpr int kUserPassword = 1021;
constexpr int kConfirmPassword = 1022;
constexpr int kFirmwareVersion = 1023;
constexpr int kUpdateDate = 1024;
constexpr int kMacAddress = 1025;

// Protocol page (dlg::kProtocolPage).
constexpr int kTrapCommunity = 1020;
constexpr int kHttpsList = 1024;
constexpr int kTelnetList = 1025;
constexpr int kFtpList = 1026;
constexpr int kSnmpList = 1027;
constexpr int kReadCommunity = 1028;
constexpr int kWriteCommunity = 1029;
constexpr int kTrapIpAddress = 1031;

// BSS Information page (dlg::kBssPage).
constexpr int kBssPageList = 1032;
constexpr int kBssPageGetButton = 1033;
constexpr int kBssPageProgress = 1034;

// Network page (dlg::kNetworkPage).
constexpr int kNetworkIpAddress = 1035;
constexpr int kNetworkSubnetMask = 1036;
constexpr int kNetworkGateway = 1037;
constexpr int kSsid = 1038;
constexpr int kNetworkInactivity = 1039;
constexpr int kDhcpRadio = 1040;
constexpr int kManualRadio = 1041;
constexpr int kInfraRadio = 1042;
constexpr int kAdhocRadio = 1043;
constexpr int kAdhocChannel = 1044;
constexpr int kWifiDirectRadio = 1076;
constexpr int kP2pChannel = 1077;
constexpr int kConnectionMode = 1078;
constexpr int kPinCode = 1079;

// Authentication page (dlg::kAuthPage).
constexpr int kPskKey = 1041;
constexpr int kAuthId = 1042;
constexpr int kOpenSystemRadio = 1043;
constexpr int kSharedKeyRadio = 1044;
constexpr int kWpaPskRadio = 1045;
constexpr int kWpa2PskRadio = 1046;
constexpr int kWpaRadio = 1047;
constexpr int kWpa2Radio = 1048;
constexpr int kNoneRadio = 1049;
constexpr int kWepRadio = 1050;
constexpr int kTkipRadio = 1051;
constexpr int kAesRadio = 1052;
constexpr int kAesTkipRadio = 1053;
constexpr int kAuthPassword = 1054;
constexpr int kEapPeapRadio = 1055;
constexpr int kEapTtlsRadio = 1056;
constexpr int kEapTlsRadio = 1057;
constexpr int kEapLeapRadio = 1058;
constexpr int kEapFastRadio = 1059;
constexpr int kWepKey = 1060;
constexpr int kWepKeyLabel = 1061;
constexpr int kEapGroup = 1062;
constexpr int kAuthIdLabel = 1063;
constexpr int kAuthPasswordLabel = 1064;
constexpr int kPskKeyLabel = 1065;

// Cerification page (dlg::kCertPage).
constexpr int kCaRadio = 1066;
constexpr int kClientKeyRadio = 1067;
constexpr int kClientPemRadio = 1068;
constexpr int kCertProgress = 1069;
constexpr int kFileUploadButton = 1070;
constexpr int kOpenFileButton = 1071;
constexpr int kCertPath = 1072;

// BSS information dialog (dlg::kBssInfo). "Cancel" is kCancel.
constexpr int kBssDialogList = 1010;
constexpr int kBssDialogGetButton = 1011;
constexpr int kBssDialogProgress = 1012;

// Configuration summary (dlg::kConfigSummary). "OK" is kOk.
constexpr int kSummaryList = 1073;
}  // namespace ctl

}  // namespace lanvane
