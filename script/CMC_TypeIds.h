#pragma once

// Type identifiers of script objects. Every object carries one, fixed by its class; it picks the
// object's runner, the order in which a container makes and unloads objects, and what INSTANCEOF
// tests.
namespace script {

enum TypeId : int {
    TYPE_NONE = -1,
    TYPE_STATEMENTS = 0, // the built-in @-statements, and the placeholders of loaded handlers
    TYPE_INTEGER = 1,
    TYPE_STRING = 2,
    TYPE_BOOL = 3,
    TYPE_DOUBLE = 4,
    TYPE_VARIABLE = 5,
    TYPE_CONDITION = 10,
    TYPE_COMPLEXCONDITION = 11,
    TYPE_EXPRESSION = 12,
    TYPE_BEHAVIOUR = 13,
    TYPE_MOUSE = 100,
    TYPE_KEYBOARD = 101,
    TYPE_RANDOM = 102,
    TYPE_CANVASOBSERVER = 103,
    TYPE_APPLICATION = 1000,
    TYPE_EPISODE = 1001,
    TYPE_SCENE = 1002,
    TYPE_ANIMO = 2000,
    TYPE_BUTTON = 2001,
    TYPE_FONT = 2002,
    TYPE_SEQUENCE = 2004,
    TYPE_SOUND = 2005,
    TYPE_TEXT = 2006,
    TYPE_TIMER = 2007,
    TYPE_IMAGE = 2008,
    TYPE_EDITBOX = 2009,
    TYPE_NETPEER = 2010,
    TYPE_NETSERVER = 2011,
    TYPE_NETCLIENT = 2012,
    TYPE_DIALOG = 2013,
    TYPE_FILTER = 2014,
    TYPE_STATICFILTER = 2015,
    TYPE_VECTOR = 2016,
    TYPE_PATH = 2017,
    TYPE_FIFO = 2018,
    TYPE_LIFO = 2019,
    TYPE_CANVAS = 2020,
    TYPE_PATTERN = 2021,
    TYPE_SCROLL = 2022,
    TYPE_JOYSTICK = 2023,
    TYPE_MOVIE = 2024,
    TYPE_GRBUFFER = 2026,
    TYPE_INTERNET = 2027,
    TYPE_GROUP = 3000,
    TYPE_ARRAY = 3001,
    TYPE_STRUCTURE = 3002,
    TYPE_DATABASE = 3003,
    TYPE_CLASS = 3004,
    TYPE_VIRTUAL_GRAPHICSOBJECT = 3005,
    TYPE_MULTIARRAY = 3006,
    TYPE_PLUGIN_FIRST = 10000, // plug-in modules number their own types from here
    TYPE_KOLOROWANKA = 10002,
    TYPE_MATRIX = 10003,
    TYPE_SWF = 10060,
    TYPE_SYSTEM = 11000,
    TYPE_CNVLOADER = 12000,
};

// INTEGER, STRING, BOOL or DOUBLE: the four plain value types.
constexpr bool isPlainValueType(int type)
{
    return type >= TYPE_INTEGER && type <= TYPE_DOUBLE;
}

// APPLICATION, EPISODE and SCENE objects are held by scenes by name but never owned by them.
constexpr bool isApplicationTreeType(int type)
{
    return type >= TYPE_APPLICATION && type <= TYPE_SCENE;
}

} // namespace script
