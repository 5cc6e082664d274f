// placeholder: the player's commands and conditions until they are built.
