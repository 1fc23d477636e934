// A second plug-in, in plain C, that shares nothing with Vellora: its numbers,
// records and exception frames are its own, taken from the host's published
// binary interface. It goes through each step a plug-in takes in a host and
// writes what it saw, one "key value" line at a time, to the file that
// VELLORA_PROBE_REPORT names.
#include <setjmp.h>
#include <stdarg.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

typedef unsigned short ASBool, ASAtom;
typedef unsigned int ASUns32;
typedef void (*Entry)(void);  // a table slot; cast to its own prototype before a call
typedef Entry *HFT;

typedef struct {
  ASUns32 version;
  void *extension;
  HFT core;
  void *handshake;
} SetupData;
typedef struct {
  ASUns32 version;
  ASAtom appName, extensionName;
  void *exportTables, *registers, *init, *unload;
} HandshakeData;

// The records as the host lays them out, on each build.
#define BY_BUILD(x86, x64) (sizeof(void *) == 8 ? (x64) : (x86))
_Static_assert(offsetof(SetupData, handshake) == BY_BUILD(12, 24) && sizeof(SetupData) == BY_BUILD(16, 32), "set-up");
_Static_assert(offsetof(HandshakeData, extensionName) == 6 && offsetof(HandshakeData, registers) == BY_BUILD(12, 16) &&
                   offsetof(HandshakeData, unload) == BY_BUILD(20, 32) && sizeof(HandshakeData) == BY_BUILD(24, 40),
               "handshake");

enum { kV0200 = 0x20000, kTableVersion = 0x40000, kOwnError = 0x40120007, kReplaceable = 1, kIdleTicks = 1 };
enum { CORE, SUPPORT, MODEL, VIEW, TABLES };
static const char *const kTableNames[TABLES] = {"Core", "AcroSupport", "PDModel", "AcroView"};
static HFT tables[TABLES];
static void *extension, *canQuitCallback, *didOpenCallback, *idleCallback;
static int client, quitCalls;
extern IMAGE_DOS_HEADER __ImageBase;

// Selector `sel` of a table, as a procedure of the given prototype.
#define CALL(table, sel, R, A) ((R(*) A)tables[table][sel])
#define AtomFromString CALL(CORE, 5, ASAtom, (const char *))
#define AtomGetString CALL(CORE, 7, const char *, (ASAtom))
#define CallbackCreate(proc) CALL(CORE, 8, void *, (void *, Entry))(extension, (Entry)(proc))
#define GetHFT CALL(CORE, 10, HFT, (ASAtom, ASUns32))

// One line of the report: the format starts with the key.
static void note(const char *format, ...) {
  char path[MAX_PATH];
  FILE *file;
  va_list values;
  if (!GetEnvironmentVariableA("VELLORA_PROBE_REPORT", path, sizeof path) || !(file = fopen(path, "ab"))) return;
  va_start(values, format);
  vfprintf(file, format, values);
  va_end(values);
  fputc('\n', file);
  fclose(file);
}

// The host's calls into the probe, in the order they first came.
static void step(const char *name) {
  static char order[256];
  if (strstr(order, name)) return;
  strcat(strcat(order, *order ? " " : ""), name);
  note("order %s", order);
}

static void restore(void *env) { longjmp(*(jmp_buf *)env, 1); }

// Runs `body` in a frame of the probe's own: 0 when it returned, else the
// code of the raise, read after the frame is popped. The host must leave the
// jump buffer as setjmp wrote it.
static int caught(void (*body)(void)) {
  static jmp_buf written;
  jmp_buf env;
  if (setjmp(env) == 0) {
    memcpy(written, env, sizeof env);
    CALL(CORE, 2, void, (void *, void (*)(void *)))(env, restore);
    body();
    CALL(CORE, 3, void, (void))();
    return 0;
  }
  CALL(CORE, 3, void, (void))();
  note("frame.kept %d", memcmp(written, env, sizeof env) == 0);
  return CALL(CORE, 4, int, (void))();
}

static void raiseOwnError(void) { CALL(CORE, 1, void, (int))(kOwnError); }
static void replaceUnreplaceable(void) {
  CALL(SUPPORT, 10, void, (HFT, int, void *, ASUns32))(tables[VIEW], 12, canQuitCallback, kReplaceable);
}

static ASBool canQuit(void) {
  Entry replaced = CALL(SUPPORT, 11, Entry, (HFT, int, void *))(tables[VIEW], 11, canQuitCallback);
  ASBool answer = ((ASBool(*)(void))replaced)();
  step("quit");
  note("quit.calls %d", ++quitCalls);
  return answer;
}

static void didOpen(void *doc, int error, void *data) {
  step("open");
  note("open error %d data %d pages %d", error, data == &client,
       CALL(MODEL, 83, int, (void *))(CALL(VIEW, 48, void *, (void *))(doc)));
}

// The old view definition's fields the host fills: offset on x86, on x64, width.
static const struct {
  const char *key;
  int x86, x64, bytes;
} kViewFields[] = {
    {"layout", 8, 12, 2}, {"page", 12, 16, 4}, {"zoomType", 16, 20, 4}, {"zoom", 20, 24, 4},
    {"x", 24, 28, 2},     {"y", 26, 30, 2},    {"pageMode", 46, 50, 2}, {"splitter", 48, 52, 4},
};
static const int kUseFlags[][2] = {{6, 10}, {44, 48}, {60, 64}};  // page view, overview, window

static const unsigned char kZeros[128];  // what the host must leave past a record

static void idle(void *data) {
  unsigned long long def[16] = {0};  // zero-filled, beyond the largest record a host may fill (104 bytes)
  unsigned char *bytes = (unsigned char *)def;
  short aperture[8] = {0};
  const size_t size = BY_BUILD(76, 88);
  char text[256] = "";
  size_t i;
  void *doc = CALL(VIEW, 12, void *, (void))();
  step("idle");
  note("idle.data %d", data == &client);
  if (!doc) return;
  memcpy(bytes, &size, sizeof size);
  for (i = 0; i < sizeof kUseFlags / sizeof *kUseFlags; ++i) bytes[kUseFlags[i][BY_BUILD(0, 1)]] = 1;
  CALL(VIEW, 235, void, (void *, void *))(doc, bytes);
  for (i = 0; i < sizeof kViewFields / sizeof *kViewFields; ++i) {
    const unsigned char *at = bytes + BY_BUILD(kViewFields[i].x86, kViewFields[i].x64);
    int whole;
    short half;
    memcpy(&whole, at, sizeof whole), memcpy(&half, at, sizeof half);
    sprintf(text + strlen(text), "%s %d ", kViewFields[i].key, kViewFields[i].bytes == 2 ? half : whole);
  }
  note("view %spast %d", text, memcmp(bytes + size, kZeros, sizeof def - size) != 0);
  CALL(VIEW, 108, void, (void *, short *))(CALL(VIEW, 49, void *, (void *))(doc), aperture);
  note("aperture %d %d %d %d past %d", aperture[0], aperture[1], aperture[2], aperture[3],
       memcmp(aperture + 4, kZeros, sizeof aperture - 8) != 0);
}

static ASBool exportTables(void) {
  step("export");
  return 1;
}

static ASBool registers(void) {
  step("register");
  canQuitCallback = CallbackCreate(canQuit);
  didOpenCallback = CallbackCreate(didOpen);
  idleCallback = CallbackCreate(idle);
  CALL(SUPPORT, 10, void, (HFT, int, void *, ASUns32))(tables[VIEW], 11, canQuitCallback, kReplaceable);
  note("replace.refused %#x", caught(replaceUnreplaceable));
  CALL(VIEW, 41, void, (int, void *, void *, void *))(4, extension, didOpenCallback, &client);
  CALL(VIEW, 39, void, (void *, void *, ASUns32))(idleCallback, &client, kIdleTicks);
  return 1;
}

static ASBool init(void) {
  step("init");
  note("raise %#x", caught(raiseOwnError));
  return 1;
}

static ASBool unload(void) {
  step("unload");
  CALL(VIEW, 40, void, (void *, void *))(idleCallback, &client);
  CALL(VIEW, 42, void, (int, void *, void *, void *))(4, extension, didOpenCallback, &client);
  return 1;
}

static ASBool handshake(ASUns32 version, void *record) {
  HandshakeData *data = record;
  step("handshake");
  note("handshake %#x %s", version, AtomGetString(data->appName));
  data->extensionName = AtomFromString("VelloraProbe");
  data->exportTables = CallbackCreate(exportTables);
  data->registers = CallbackCreate(registers);
  data->init = CallbackCreate(init);
  data->unload = CallbackCreate(unload);
  return 1;
}

static ASBool setup(ASUns32 version, void *record) {
  SetupData *data = record;
  char given[64] = "";
  int i;
  step("setup");
  note("setup.version %#x %#x", version, data->version);
  if (version != kV0200 || data->version != kV0200) return 0;
  extension = data->extension;
  tables[CORE] = data->core;
  for (i = 0; i < TABLES && (tables[i] = GetHFT(AtomFromString(kTableNames[i]), kTableVersion)); ++i)
    strcat(strcat(given, i ? " " : ""), kTableNames[i]);
  note("tables %s", given);
  if (i < TABLES) return 0;
  note("atom %s", AtomGetString(AtomFromString("Probe atom")));
  data->handshake = CallbackCreate(handshake);
  return 1;
}

__declspec(dllexport) ASBool
    __stdcall PlugInMain(ASUns32 hostVersion, ASUns32 *answer, Entry *setupProc, void *windowsData) {
  void *const *win = windowsData;  // the main window, then the probe's module: a pointer each
  step("main");
  note("main window %d module %d", IsWindow(win[0]), win[1] == &__ImageBase);
  *answer = hostVersion < kV0200 ? hostVersion : kV0200;
  *setupProc = (Entry)setup;
  return 1;
}
