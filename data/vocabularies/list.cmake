# The vocabularies shipped in the program's folder, one kv_vocabulary() call each:
#   kv_vocabulary(SOURCE OUTPUT name VERSION v DESCRIPTION d AUTHOR a COPYRIGHT c [SCRAMBLED])
# SOURCE is a UTF-8 list in this folder, one word or phrase per line. OUTPUT is the file written
# beside the program; the games menu lists it by its base name in title case, so "big words.vcb"
# appears as "Big Words". SCRAMBLED stores the body scrambled, as "$fileformat=crypted" files are.
# kv_copied_vocabulary(FILE VERSION v DESCRIPTION d AUTHOR a COPYRIGHT c) ships FILE of this folder as it
# is: a vocabulary written in UTF-8, "$" header lines included, whose header must say v, d, a and c.
# Whoever includes this file defines both: the build writes the files, the check tests them.

set(kv_team "Keyvane's Games! team")
set(kv_copyright "Copyright (c) Keyvane's Games! team. Free to copy and share.")

kv_vocabulary(short_words.txt OUTPUT "short words.vcb" VERSION "1.0"
  DESCRIPTION "Common words of two to four letters, a good start for beginners"
  AUTHOR "${kv_team}" COPYRIGHT "${kv_copyright}")

kv_vocabulary(animals.txt OUTPUT "animals.vcb" VERSION "1.2"
  DESCRIPTION "Animals of land, sea and air, from aardvark to zebra"
  AUTHOR "${kv_team}" COPYRIGHT "${kv_copyright}")

kv_vocabulary(food.txt OUTPUT "Food.vcb" VERSION "1.0"
  DESCRIPTION "Fruit, vegetables and dishes from the kitchen and the table"
  AUTHOR "${kv_team}" COPYRIGHT "${kv_copyright}" SCRAMBLED)

kv_vocabulary(phrases.txt OUTPUT "Phrases.vcb" VERSION "1.1"
  DESCRIPTION "Everyday phrases of a few words, with the spaces between them to type"
  AUTHOR "${kv_team}" COPYRIGHT "${kv_copyright}" SCRAMBLED)

kv_vocabulary(big_words.txt OUTPUT "big words.vcb" VERSION "1.0"
  DESCRIPTION "Long words of nine letters and more, for practised typists"
  AUTHOR "${kv_team}" COPYRIGHT "${kv_copyright}")

kv_copied_vocabulary(Français.vcb VERSION "1.0"
  DESCRIPTION "Mots français de tous les jours, avec leurs accents"
  AUTHOR "${kv_team}" COPYRIGHT "${kv_copyright}")

kv_copied_vocabulary(Deutsch.vcb VERSION "1.0"
  DESCRIPTION "Deutsche Wörter mit Umlauten und ß"
  AUTHOR "${kv_team}" COPYRIGHT "${kv_copyright}")

kv_copied_vocabulary(Español.vcb VERSION "1.0"
  DESCRIPTION "Palabras españolas de todos los días, con tildes, ñ y ü"
  AUTHOR "${kv_team}" COPYRIGHT "${kv_copyright}")
