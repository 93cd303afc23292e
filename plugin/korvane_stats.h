/* The binary interface of the KORVANE statistics plug-in (Stats.dll on Windows, libStats.so on
 * Linux) as a host program drives it. Every function is exported under the plain name and under
 * the function name given here; texts are NUL-terminated 8-bit strings owned by the caller and
 * read only during the call. */
#ifndef KORVANE_PLUGIN_KORVANE_STATS_H
#define KORVANE_PLUGIN_KORVANE_STATS_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define KORVANE_CALL __cdecl
#else
#define KORVANE_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The host's 16-byte date value: days since 30 December 1899 (the fraction is the time of day)
 * and a status. Only pointers to it cross the interface. */
typedef struct KorvaneDate {
  double dt;
  int32_t status; /* 0 valid, 1 invalid, 2 null */
  int32_t reserved;
} KorvaneDate;

#define KORVANE_DATE_VALID 0
#define KORVANE_DATE_INVALID 1
#define KORVANE_DATE_NULL 2

/* Results of CheckCallFunc0. */
#define KORVANE_CHECK_DUPE 0
#define KORVANE_CHECK_VALID 1
#define KORVANE_CHECK_NEW_DXCC 2
#define KORVANE_CHECK_NEW_AREA 3
#define KORVANE_CHECK_BREACH 4

/* Switches the results to HTML for the rest of the process; returns 0. */
unsigned long KORVANE_CALL setVersion(const char* version);
/* 1: one contest set, set 0. Also exported as GetExchgCount0's body. */
int KORVANE_CALL GetNumberOfSets(void);
/* "KORVANE (C)" for set 0, "" otherwise; static texts. */
const char* KORVANE_CALL GetSetName(int set);
void KORVANE_CALL SetupSet0(void);
/* Plain name GetExchgCount0; reads nothing and returns 1. */
int KORVANE_CALL StatsGetExchgCount0(const char* p1, const char* p2, const char* p3);
/* Plain name IsValidExchg0: 1 when p1 is a serial number of 1 to 4 digits other than "599". */
int KORVANE_CALL StatsIsValidExchg0(const char* exchange, const char* p2, const char* p3,
                                    const char* p4, int p5, int p6, int p7);
/* Plain name CheckCall0: 0 dupe, 1 valid, 2 new DXCC, 3 new call area, 4 rule breach. */
int KORVANE_CALL CheckCallFunc0(const char* call, unsigned int p2, unsigned int p3,
                                const char* mode, const char* p5, const char* p6, const char* p7,
                                const char* p8, const char* p9, const char* p10, const char* p11,
                                const char* p12, const char* area, const char* prefix, int p15,
                                int p16, int p17, double p18, double p19, const char* p20,
                                const char* continent, const char* p22, const char* p23,
                                const char* p24, const char* band, const char* band2, char* out27,
                                char* out28);
/* 1: the QSO was stored (duplicates included); 0: rejected and written to the journal only. */
int KORVANE_CALL AddData0(const char* ownCall, const char* call, KorvaneDate* time,
                          KorvaneDate* p4, KorvaneDate* p5, KorvaneDate* p6, unsigned int p7,
                          unsigned int freqHz, const char* mode, const char* rstSent,
                          const char* rstRcvd, const char* nrSent, const char* nrRcvd,
                          const char* p14, const char* p15, const char* p16, const char* p17,
                          const char* p18, const char* p19, const char* p20, const char* p21,
                          const char* area, const char* prefix, int p24, int p25, int p26,
                          double p27, double p28, const char* p29, const char* continent,
                          const char* p31, const char* band, const char* p33);
/* Same positions as AddData0; reads call, time, mode and band; returns 1. */
int KORVANE_CALL RemoveData0(const char* ownCall, const char* call, KorvaneDate* time,
                             KorvaneDate* p4, KorvaneDate* p5, KorvaneDate* p6, unsigned int p7,
                             unsigned int freqHz, const char* mode, const char* rstSent,
                             const char* rstRcvd, const char* nrSent, const char* nrRcvd,
                             const char* p14, const char* p15, const char* p16, const char* p17,
                             const char* p18, const char* p19, const char* p20, const char* p21,
                             const char* area, const char* prefix, int p24, int p25, int p26,
                             double p27, double p28, const char* p29, const char* continent,
                             const char* p31, const char* band, const char* p33);
/* Starts a session; cabrillo nonzero runs the header form and exports at each results call.
 * Returns 1. */
int KORVANE_CALL ResetStats0(const char* hostFolder, int cabrillo, const char* ownCall,
                             KorvaneDate* start, KorvaneDate* end, const char* p6, const char* p7,
                             const char* p8, const char* p9, const char* p10, const char* p11,
                             const char* p12, const char* p13, const char* p14,
                             const char* ownPrefix, int p16, int p17, int p18, double p19,
                             double p20, const char* p21, const char* ownContinent,
                             const char* p23);
/* The report, text or HTML, valid until the next call; stores -1 in *flag. */
const char* KORVANE_CALL GetResult0(int* flag);

/* Pointer types for hosts that look the functions up at run time. */
typedef unsigned long(KORVANE_CALL* KorvaneSetVersionFn)(const char*);
typedef int(KORVANE_CALL* KorvaneGetNumberOfSetsFn)(void);
typedef const char*(KORVANE_CALL* KorvaneGetSetNameFn)(int);
typedef void(KORVANE_CALL* KorvaneSetupSetFn)(void);
typedef int(KORVANE_CALL* KorvaneGetExchgCountFn)(const char*, const char*, const char*);
typedef int(KORVANE_CALL* KorvaneIsValidExchgFn)(const char*, const char*, const char*,
                                                 const char*, int, int, int);
typedef int(KORVANE_CALL* KorvaneCheckCallFn)(const char*, unsigned int, unsigned int, const char*,
                                              const char*, const char*, const char*, const char*,
                                              const char*, const char*, const char*, const char*,
                                              const char*, const char*, int, int, int, double,
                                              double, const char*, const char*, const char*,
                                              const char*, const char*, const char*, const char*,
                                              char*, char*);
typedef int(KORVANE_CALL* KorvaneQsoFn)(const char*, const char*, KorvaneDate*, KorvaneDate*,
                                        KorvaneDate*, KorvaneDate*, unsigned int, unsigned int,
                                        const char*, const char*, const char*, const char*,
                                        const char*, const char*, const char*, const char*,
                                        const char*, const char*, const char*, const char*,
                                        const char*, const char*, const char*, int, int, int,
                                        double, double, const char*, const char*, const char*,
                                        const char*, const char*);
typedef int(KORVANE_CALL* KorvaneResetStatsFn)(const char*, int, const char*, KorvaneDate*,
                                               KorvaneDate*, const char*, const char*, const char*,
                                               const char*, const char*, const char*, const char*,
                                               const char*, const char*, const char*, int, int,
                                               int, double, double, const char*, const char*,
                                               const char*);
typedef const char*(KORVANE_CALL* KorvaneGetResultFn)(int*);

#ifdef __cplusplus
}
static_assert(sizeof(KorvaneDate) == 16, "the host's date value is 16 bytes");
#endif

#endif /* KORVANE_PLUGIN_KORVANE_STATS_H */
