#pragma once

// The identifiers of the interface texts, shared by the code and the string tables. Each window
// has a hundred of its own, so that a check can tell which access keys share a window.

// Texts of the whole program.
#define IDS_ALREADY_RUNNING 100
#define IDS_MESSAGE_TITLE 101
#define IDS_NO_TEXT 102

// The tray icon's menu.
#define IDS_TRAY_ADD 200
#define IDS_TRAY_VIEW_ALL 201
#define IDS_TRAY_CONFIGURE_HOT_KEYS 202
#define IDS_TRAY_HELP 203
#define IDS_TRAY_QUIT 204
#define IDS_TRAY_HOLD_FULL_SCREEN 205
#define IDS_TRAY_DO_NOT_DISTURB 206
#define IDS_TRAY_REMINDERS_FOLDER 207

// The reminder editor.
#define IDS_EDITOR_TITLE_ADD 300
#define IDS_EDITOR_TITLE_EDIT 301
#define IDS_EDITOR_FIXED_TIME 302
#define IDS_EDITOR_COUNTDOWN 303
#define IDS_EDITOR_TEXT 304
#define IDS_EDITOR_REPEAT_EVERY 305
#define IDS_EDITOR_RECORD_SOUND 306
#define IDS_EDITOR_REPLAY 307
#define IDS_EDITOR_REMOVE_SOUND 308
#define IDS_EDITOR_SAVE 309
#define IDS_EDITOR_CANCEL 310
#define IDS_EDITOR_HELP 311
// Names screen readers give the fields that no label names.
#define IDS_EDITOR_DATE_NAME 320
#define IDS_EDITOR_TIME_NAME 321
#define IDS_EDITOR_COUNTDOWN_NAME 322
#define IDS_EDITOR_REPEAT_COUNT_NAME 323
#define IDS_EDITOR_REPEAT_UNIT_NAME 324

// The notification window.
#define IDS_NOTIFICATION_TITLE 400
#define IDS_NOTIFICATION_SNOOZE_5_MINUTES 401
#define IDS_NOTIFICATION_SNOOZE_1_HOUR 402
#define IDS_NOTIFICATION_SNOOZE_1_DAY 403
#define IDS_NOTIFICATION_REPLAY_SOUND 404
#define IDS_NOTIFICATION_CLOSE 405
#define IDS_NOTIFICATION_SNOOZE_CHOICE 406
#define IDS_NOTIFICATION_TEXT_NAME 420

// The notification's menu of snoozes, a window of its own.
#define IDS_SNOOZE_10_MINUTES 1000
#define IDS_SNOOZE_15_MINUTES 1001
#define IDS_SNOOZE_30_MINUTES 1002
#define IDS_SNOOZE_2_HOURS 1003
#define IDS_SNOOZE_4_HOURS 1004
#define IDS_SNOOZE_TOMORROW 1005
#define IDS_SNOOZE_NEXT_WEEK 1006
#define IDS_SNOOZE_CHOOSE_TIME 1007

// The tray menu's submenu of quiet times, a window of its own.
#define IDS_QUIET_30_MINUTES 1100
#define IDS_QUIET_1_HOUR 1101
#define IDS_QUIET_2_HOURS 1102
#define IDS_QUIET_TOMORROW 1103
#define IDS_QUIET_UNTIL_I_TURN_IT_OFF 1104
#define IDS_QUIET_TURN_OFF 1105

// The list of reminders.
#define IDS_LIST_TITLE 500
#define IDS_LIST_DATE_COLUMN 501
#define IDS_LIST_TEXT_COLUMN 502
#define IDS_LIST_REPEATS_COLUMN 503
#define IDS_LIST_EDIT 504
#define IDS_LIST_HELP 505
#define IDS_LIST_DELETE 506
#define IDS_LIST_TABLE_NAME 520
#define IDS_LIST_UNREADABLE_LINES 521

// The hot keys configuration window.
#define IDS_HOT_KEYS_TITLE 600
#define IDS_HOT_KEYS_ADD_REMINDER 601
#define IDS_HOT_KEYS_VIEW_ALL 602
#define IDS_HOT_KEYS_SAVE 603
#define IDS_HOT_KEYS_CANCEL 604
#define IDS_HOT_KEYS_HELP 605
#define IDS_HOT_KEYS_UNSAVABLE 606

// Repeat units, each with the forms that go with a count, and how a series repeats.
#define IDS_UNIT_MINUTES 700
#define IDS_UNIT_HOURS 701
#define IDS_UNIT_DAYS 702
#define IDS_UNIT_WEEKS 703
#define IDS_UNIT_MONTHS 704
#define IDS_UNIT_YEARS 705
#define IDS_UNIT_WEEKDAYS 706
#define IDS_EVERY_MINUTE 710
#define IDS_EVERY_HOUR 711
#define IDS_EVERY_DAY 712
#define IDS_EVERY_WEEK 713
#define IDS_EVERY_MONTH 714
#define IDS_EVERY_YEAR 715
#define IDS_EVERY_WEEKDAY 716
#define IDS_EVERY_N_MINUTES 720
#define IDS_EVERY_N_HOURS 721
#define IDS_EVERY_N_DAYS 722
#define IDS_EVERY_N_WEEKS 723
#define IDS_EVERY_N_MONTHS 724
#define IDS_EVERY_N_YEARS 725

// What went wrong, as a failure is reported to the user.
#define IDS_FAILURE_PLAY_SOUND 801
#define IDS_FAILURE_RECORD_SOUND 802
#define IDS_FAILURE_REGISTER_HOT_KEY 803
#define IDS_FAILURE_SAVE_HOT_KEYS 804
#define IDS_FAILURE_READ_REMINDERS 805
#define IDS_FAILURE_WRITE_REMINDERS 806
#define IDS_FAILURE_WRITE_SETTINGS 807

// The tray icon's tooltip, and what a "/add" run answers on the command line.
#define IDS_TOOLTIP_NO_REMINDERS 900
#define IDS_TOOLTIP_WAITING 901
#define IDS_ADD_DONE 910
#define IDS_ADD_NOT_TAKEN 911
#define IDS_ADD_USAGE 912
#define IDS_ADD_BAD_WHEN 913
#define IDS_ADD_BAD_TEXT 914
#define IDS_ADD_BAD_RULE 915
#define IDS_INSTANCE_ELEVATED 916

// Why reminders wait, in the tooltip, and what a "/quiet" run answers.
#define IDS_QUIET_UNTIL 920
#define IDS_QUIET_UNTIL_TURNED_OFF 921
#define IDS_QUIET_TURNED_OFF 922
#define IDS_HELD_FULL_SCREEN 923
#define IDS_HELD_BY_WINDOWS 924
#define IDS_QUIET_USAGE 925
#define IDS_QUIET_NOT_TAKEN 926

// Where the reminders live: the folder picker, a folder that is not there, the settings' DataFolder
// line that cannot be used, a portable copy that cannot write, a move that failed.
#define IDS_FOLDER_PICKER_TITLE 940
#define IDS_FOLDER_MISSING 941
#define IDS_TOOLTIP_FOLDER_MISSING 942
#define IDS_FAILURE_FOLDER_MISSING 943
#define IDS_DATA_FOLDER_EMPTY 944
#define IDS_DATA_FOLDER_RELATIVE 945
#define IDS_DATA_FOLDER_TOO_LONG 946
#define IDS_DATA_FOLDER_CANNOT_BE_MADE 947
#define IDS_DATA_FOLDER_NAMES_A_FILE 948
#define IDS_PORTABLE_READ_ONLY 949
#define IDS_FOLDER_MOVE_FAILED 950
#define IDS_MOVE_REASON_HELD 951
#define IDS_MOVE_REASON_COPY 952
#define IDS_MOVE_REASON_SETTINGS 953
#define IDS_FOLDER_OLD_NOT_REMOVED 954
