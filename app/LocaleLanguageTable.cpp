#include "app/LocaleLanguageTable.h"

namespace lanvane {
namespace {

// The ids are those of the Windows platform, so that the language table reads the same on
// every platform.
constexpr LocaleLanguage kLocaleLanguages[] = {
    {"ar_SA", 0x0401}, {"bg_BG", 0x0402}, {"ca_ES", 0x0403},
    {"zh_CN", 0x0804}, {"zh_TW", 0x0404}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_MO", 0x1404},
    {"cs_CZ", 0x0405}, {"da_DK", 0x0406},
    {"de_DE", 0x0407}, {"de_CH", 0x0807}, {"de_AT", 0x0C07}, {"de_LU", 0x1007}, {"de_LI", 0x1407},
    {"el_GR", 0x0408},
    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409},
    {"en_IE", 0x1809}, {"en_ZA", 0x1C09}, {"en_IN", 0x4009},
    {"es_ES", 0x0C0A}, {"es_MX", 0x080A}, {"es_CO", 0x240A}, {"es_AR", 0x2C0A}, {"es_US", 0x540A},
    {"fi_FI", 0x040B},
    {"fr_FR", 0x040C}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C}, {"fr_CH", 0x100C}, {"fr_LU", 0x140C},
    {"he_IL", 0x040D}, {"hu_HU", 0x040E}, {"is_IS", 0x040F},
    {"it_IT", 0x0410}, {"it_CH", 0x0810},
    {"ja_JP", 0x0411}, {"ko_KR", 0x0412},
    {"nl_NL", 0x0413}, {"nl_BE", 0x0813},
    {"nb_NO", 0x0414}, {"no_NO", 0x0414}, {"nn_NO", 0x0814},
    {"pl_PL", 0x0415},
    {"pt_BR", 0x0416}, {"pt_PT", 0x0816},
    {"ro_RO", 0x0418}, {"ru_RU", 0x0419}, {"hr_HR", 0x041A}, {"sk_SK", 0x041B}, {"sq_AL", 0x041C},
    {"sv_SE", 0x041D}, {"sv_FI", 0x081D},
    {"th_TH", 0x041E}, {"tr_TR", 0x041F}, {"ur_PK", 0x0420}, {"id_ID", 0x0421}, {"uk_UA", 0x0422},
    {"be_BY", 0x0423}, {"sl_SI", 0x0424}, {"et_EE", 0x0425}, {"lv_LV", 0x0426}, {"lt_LT", 0x0427},
    {"fa_IR", 0x0429}, {"vi_VN", 0x042A}, {"hi_IN", 0x0439}, {"ms_MY", 0x043E},
};

}  // namespace

std::span<const LocaleLanguage> LocaleLanguages() {
    return kLocaleLanguages;
}

}  // namespace lanvane
