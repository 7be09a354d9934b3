#pragma once

#include <QLatin1StringView>

// The stored names of the nine tables, their fields and the owner rows: the data folder's
// schema, spelled once.

// Tables.
inline constexpr QLatin1StringView kOwnerTable{"Owner"};
inline constexpr QLatin1StringView kAwardsTable{"Awards"};
inline constexpr QLatin1StringView kIslandTablePrefix{"IOTA-"};
inline constexpr QLatin1StringView kAfricaTable{"IOTA-AF"};
inline constexpr QLatin1StringView kAntarcticaTable{"IOTA-AN"};
inline constexpr QLatin1StringView kAsiaTable{"IOTA-AS"};
inline constexpr QLatin1StringView kEuropeTable{"IOTA-EU"};
inline constexpr QLatin1StringView kNorthAmericaTable{"IOTA-NA"};
inline constexpr QLatin1StringView kOceaniaTable{"IOTA-OC"};
inline constexpr QLatin1StringView kSouthAmericaTable{"IOTA-SA"};
// Beside the nine: the award programme's rarity of each reference, (IOTA, Credited).
inline constexpr QLatin1StringView kRarityTable{"Rarity"};
inline constexpr QLatin1StringView kCreditedField{"Credited"};
// Beside the nine: what the programme's list says of each group, (IOTA, DXCC, West, East, South,
// North): its DXCC numbers and its box, edges in degrees (REAL, NULL without a box).
inline constexpr QLatin1StringView kGroupsTable{"Groups"};
inline constexpr QLatin1StringView kDxccField{"DXCC"};
inline constexpr QLatin1StringView kWestField{"West"};
inline constexpr QLatin1StringView kEastField{"East"};
inline constexpr QLatin1StringView kSouthField{"South"};
inline constexpr QLatin1StringView kNorthField{"North"};

// Fields of "Owner".
inline constexpr QLatin1StringView kNoField{"No"};  // the key of "Owner" and "Awards"
inline constexpr QLatin1StringView kNameField{"Name"};
inline constexpr QLatin1StringView kValueField{"Value"};
inline constexpr QLatin1StringView kPermissionField{"Permission"};

// Fields of the island tables.
inline constexpr QLatin1StringView kKeyField{"Key"};
inline constexpr QLatin1StringView kGroupField{"ABW"};
inline constexpr QLatin1StringView kIotaField{"IOTA"};
inline constexpr QLatin1StringView kPrefixField{"Prefix"};
inline constexpr QLatin1StringView kIslandField{"Island"};
inline constexpr QLatin1StringView kCallField{"Call"};
inline constexpr QLatin1StringView kStatusField{"Status"};
inline constexpr QLatin1StringView kCommentField{"Comment"};

// Fields of "Awards".
inline constexpr QLatin1StringView kAwardNameField{"Award_name"};
inline constexpr QLatin1StringView kAwardTitleField{"Award_title"};
inline constexpr QLatin1StringView kAwardNumberField{"Award_number"};
inline constexpr QLatin1StringView kAwardIssuedField{"Award_issued"};

// The Name of each "Owner" row, in the order of the delivered table.
inline constexpr QLatin1StringView kCallsignRow{"Callsign"};
inline constexpr QLatin1StringView kDirectoryNoRow{"Directory No"};
inline constexpr QLatin1StringView kCheckpointRow{"Checkpoint"};
inline constexpr QLatin1StringView kLastUpdatedRow{"Last updated"};
inline constexpr QLatin1StringView kLastExportedRow{"Last exported"};
inline constexpr QLatin1StringView kNameRow{"Name"};
inline constexpr QLatin1StringView kNameOnCertificateRow{"Name on Certificate"};
inline constexpr QLatin1StringView kAddress1Row{"Address1"};
inline constexpr QLatin1StringView kAddress2Row{"Address2"};
inline constexpr QLatin1StringView kAddress3Row{"Address3"};
inline constexpr QLatin1StringView kTownRow{"Town"};
inline constexpr QLatin1StringView kCountyRow{"County"};
inline constexpr QLatin1StringView kPostcodeRow{"Postcode"};
inline constexpr QLatin1StringView kCountryRow{"Country"};
inline constexpr QLatin1StringView kPhoneHomeRow{"Phone-Home"};
inline constexpr QLatin1StringView kPhoneWorkRow{"Phone-Work"};
inline constexpr QLatin1StringView kFaxRow{"Fax"};
inline constexpr QLatin1StringView kEmailRow{"E-mail"};
inline constexpr QLatin1StringView kComments1Row{"Comments1"};
inline constexpr QLatin1StringView kComments2Row{"Comments2"};
inline constexpr QLatin1StringView kModeEndorsementRow{"Mode endorsement"};
inline constexpr QLatin1StringView kAwardsGroupRow{"Awards group"};
inline constexpr QLatin1StringView kRsgbMemberRow{"RSGB Member"};
inline constexpr QLatin1StringView kShortWaveListenerRow{"Short Wave Listener"};
inline constexpr QLatin1StringView kClubCallsignRow{"Club Callsign"};
inline constexpr QLatin1StringView kDirectory2000Row{"C'vted to Directory 2000"};
inline constexpr QLatin1StringView kComputerUpdatesRow{"KAYROLL Computer updates"};
inline constexpr QLatin1StringView kNoDataReceivedRow{"No data received"};
inline constexpr QLatin1StringView kBelievedInactiveRow{"Believed inactive"};
inline constexpr QLatin1StringView kSilentKeyRow{"Silent key"};
inline constexpr QLatin1StringView kMarkedForDeleteRow{"Marked for delete"};
inline constexpr QLatin1StringView kDontShowOnListingsRow{"Don't show on listings"};
inline constexpr QLatin1StringView kOtherCalls1Row{"Other Calls1"};
inline constexpr QLatin1StringView kOtherCalls2Row{"Other Calls2"};
inline constexpr QLatin1StringView kOtherCalls3Row{"Other Calls3"};
inline constexpr QLatin1StringView kOtherCalls4Row{"Other Calls4"};
