/* The headless live display inside libStats.so, Linux only. Plain objects stand in for the
 * Setup window, the three display windows and the host's automation object; the live cycle is
 * the one the Windows build runs. Refresh requests (from the Setup boxes and from the engine's
 * calls) queue up and run when KorvaneDisplayPump is called. Not part of the host's interface:
 * the replay tool uses it to show what the windows would show. */
#ifndef KORVANE_PLUGIN_KORVANE_HEADLESS_H
#define KORVANE_PLUGIN_KORVANE_HEADLESS_H

#ifdef __cplusplus
extern "C" {
#endif

/* The Setup check boxes. */
#define KORVANE_BOX_DXCC 1014
#define KORVANE_BOX_EXT_DXCC 1015
#define KORVANE_BOX_CALL_AREA 1016
#define KORVANE_BOX_ON_TOP 1017

/* Starts the display as a session start would: the Setup window reads the INI file, attaches to
 * the host and queues its first refresh. 1 when started, 0 when it was already running. */
int KorvaneDisplayStart(void);
/* Closes the windows and ends the Setup window. 1 when stopped, 0 when none was running. */
int KorvaneDisplayStop(void);

/* What the host shows. present 0: no automation object to attach to (takes effect at the next
 * start); failing 1: every automation call fails. A null call leaves the call as it is. */
void KorvaneDisplaySetHost(int present, int failing, const char* call, double frequencyHz);

/* A click on a Setup box. 1 when handled, 0 when not running or the box is unknown. */
int KorvaneDisplayClick(int box);
/* The user closes the window of box 1014, 1015 or 1016. 1 when it was open. */
int KorvaneDisplayUserClose(int box);
/* Asks for a refresh as a Setup box does (re-arming the call check's requests); -1 when not
 * running, else 0. */
int KorvaneDisplayRequestRefresh(void);
/* Runs one live cycle per queued refresh; returns how many ran. */
int KorvaneDisplayPump(void);
/* What the windows show, one line per item ("\n" ends); valid until the next call here. */
const char* KorvaneDisplayPrint(void);

typedef int (*KorvaneDisplayStartFn)(void);
typedef int (*KorvaneDisplayStopFn)(void);
typedef void (*KorvaneDisplaySetHostFn)(int, int, const char*, double);
typedef int (*KorvaneDisplayBoxFn)(int);
typedef int (*KorvaneDisplayRequestRefreshFn)(void);
typedef int (*KorvaneDisplayPumpFn)(void);
typedef const char* (*KorvaneDisplayPrintFn)(void);

#ifdef __cplusplus
}
#endif

#endif /* KORVANE_PLUGIN_KORVANE_HEADLESS_H */
