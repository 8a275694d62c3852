#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the practice databases the tests open: an empty file (version 0),
one of version 1 with two students' answers, one a later program made
(version 9) and one whose pages are damaged. Run in this folder."""
import os
import sqlite3

for name in ("empty-v0.sqlite", "kept-v1.sqlite", "newer-v9.sqlite", "damaged.sqlite"):
    if os.path.exists(name):
        os.remove(name)

connection = sqlite3.connect("empty-v0.sqlite")
connection.execute("CREATE TABLE placeholder (x INTEGER)")
connection.execute("DROP TABLE placeholder")
connection.commit()
connection.close()

connection = sqlite3.connect("kept-v1.sqlite")
connection.executescript("""
CREATE TABLE students (name VARCHAR(200) NOT NULL PRIMARY KEY, created VARCHAR(40) NOT NULL);
CREATE TABLE answers (student VARCHAR(200) NOT NULL REFERENCES students (name), answered_at VARCHAR(40) NOT NULL,
  system_hash VARCHAR(40) NOT NULL, system_text TEXT NOT NULL, n INTEGER NOT NULL, step_kind INTEGER NOT NULL,
  step_index INTEGER NOT NULL, skill INTEGER NOT NULL, typed TEXT NOT NULL, right_answer INTEGER NOT NULL,
  mistake VARCHAR(40) NOT NULL, try_number INTEGER NOT NULL, hints INTEGER NOT NULL, milliseconds INTEGER NOT NULL);
CREATE INDEX answers_by_student ON answers (student, answered_at);
CREATE INDEX answers_by_skill ON answers (student, skill, answered_at);
INSERT INTO students VALUES ('Ани', '2026-11-02T08:00:00.000Z'), ('Борис', '2026-11-03T08:00:00.000Z');
INSERT INTO answers VALUES ('Ани', '2026-11-02T08:01:00.000Z', 'h1', '2,1,3
1,3,5', 2, 0, 0, 0, '5', 1, '', 1, 0, 9000);
INSERT INTO answers VALUES ('Ани', '2026-11-02T08:02:00.000Z', 'h1', '2,1,3
1,3,5', 2, 0, 1, 3, '-4', 0, 'OppositeSign', 1, 0, 12000);
INSERT INTO answers VALUES ('Борис', '2026-11-03T08:01:00.000Z', 'h2', '1,1,2
1,-1,0', 2, 0, 0, 0, '-2', 1, '', 1, 0, 7000);
PRAGMA user_version=1;
""")
connection.commit()
connection.close()

connection = sqlite3.connect("newer-v9.sqlite")
connection.execute("CREATE TABLE future (x INTEGER)")
connection.execute("PRAGMA user_version=9")
connection.commit()
connection.close()

# A header that promises a database, and nothing but filler after it.
with open("damaged.sqlite", "wb") as damaged:
    damaged.write(b"SQLite format 3\0" + b"x" * 4080)
