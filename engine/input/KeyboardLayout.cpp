#include "KInput.h"

// Engine key code to the virtual key code of that key on a US keyboard.
const KeyboardLayoutEntry KeyboardLayout[94] = {
    {K_LEFT, 0x7B},      {K_UP, 0x7E},        {K_DOWN, 0x7D},       {K_RIGHT, 0x7C},     {K_SPACE, 0x31},
    {K_LSHIFT, 0x38},    {K_RSHIFT, 0x3C},    {K_RETURN, 0x24},     {K_RCONTROL, 0x3E},  {K_LCONTROL, 0x3B},
    {K_F1, 0x7A},        {K_F2, 0x78},        {K_F3, 0x63},         {K_F4, 0x76},        {K_F5, 0x60},
    {K_F6, 0x61},        {K_F7, 0x62},        {K_F8, 0x64},         {K_F9, 0x65},        {K_F10, 0x6D},
    {K_F11, 0x67},       {K_F12, 0x6F},       {K_BACKSPACE, 0x33},  {K_TAB, 0x30},       {K_ESCAPE, 0x35},
    {K_A, 0x00},         {K_B, 0x0B},         {K_C, 0x08},          {K_D, 0x02},         {K_E, 0x0E},
    {K_F, 0x03},         {K_G, 0x05},         {K_H, 0x04},          {K_I, 0x22},         {K_J, 0x26},
    {K_K, 0x28},         {K_L, 0x25},         {K_M, 0x2E},          {K_N, 0x2D},         {K_O, 0x1F},
    {K_P, 0x23},         {K_Q, 0x0C},         {K_R, 0x0F},          {K_S, 0x01},         {K_T, 0x11},
    {K_U, 0x20},         {K_V, 0x09},         {K_W, 0x0D},          {K_X, 0x07},         {K_Y, 0x10},
    {K_Z, 0x06},         {K_0, 0x1D},         {K_1, 0x12},          {K_2, 0x13},         {K_3, 0x14},
    {K_4, 0x15},         {K_5, 0x17},         {K_6, 0x16},          {K_7, 0x1A},         {K_8, 0x1C},
    {K_9, 0x19},         {K_NUMPAD0, 0x52},   {K_NUMPAD1, 0x53},    {K_NUMPAD2, 0x54},   {K_NUMPAD3, 0x55},
    {K_NUMPAD4, 0x56},   {K_NUMPAD5, 0x57},   {K_NUMPAD6, 0x58},    {K_NUMPAD7, 0x59},   {K_NUMPAD8, 0x5B},
    {K_NUMPAD9, 0x5C},   {K_MULTIPLY, 0x43},  {K_ADD, 0x45},        {K_SUBTRACT, 0x4E},  {K_DECIMAL, 0x41},
    {K_DIVIDE, 0x4B},    {K_CLEAR, 0x47},     {K_COMMAND, 0x37},    {K_LOPTION, 0x3A},   {K_ROPTION, 0x3D},
    {K_CAPSLOCK, 0x39},  {K_F14, 0x6B},       {K_SEMICOLON, 0x29},  {K_EQUALS, 0x18},    {K_COMMA, 0x2B},
    {K_MINUS, 0x1B},     {K_PERIOD, 0x2F},    {K_SLASH, 0x2C},      {K_GRAVE, 0x32},     {K_LBRACKET, 0x21},
    {K_BACKSLASH, 0x2A}, {K_RBRACKET, 0x1E},  {K_QUOTE, 0x27},      {K_NONE, 0xFF},
};
