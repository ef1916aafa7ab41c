#!/bin/sh
# The printer's filter as the private CUPS scheduler of the main job and
# the tests runs it: instead of rendering the document it writes what the
# job arrived with, one line each (the options exactly as CUPS passes
# them), and ends with "end". Its output goes to the queue's device, a
# file, where the demonstration and the tests read it.
#
# CUPS calls a filter as: filter JOB-ID USER TITLE COPIES OPTIONS [FILE]
printf 'job-id: %s\nuser: %s\ntitle: %s\ncopies: %s\noptions: %s\nend\n' "$1" "$2" "$3" "$4" "$5"
