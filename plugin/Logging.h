// The panel's logging entry points: the entry into an operation, its exit and
// a note in between, each with the object that logs, a format text and its
// values. This build writes no log; the calls stay so that the texts are in
// place for a build that does.
#pragma once

template <typename... Values>
inline void PDEProlog(const void* /*object*/, const char* /*format*/, const Values&... /*values*/) {}

template <typename... Values>
inline void PDEEpilog(const void* /*object*/, const char* /*format*/, const Values&... /*values*/) {}

template <typename... Values>
inline void PDELog(const void* /*object*/, const char* /*format*/, const Values&... /*values*/) {}
