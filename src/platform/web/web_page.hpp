// The calls into the page's JavaScript (web_page.js), declared for the web platform.
#pragma once

extern "C" {
int gloam_web_open_context(int width, int height);
void gloam_web_release_context();
void gloam_web_size_canvas(int width, int height);
void gloam_web_show_canvas(int visible);
void gloam_web_show_cursor(int visible);
void gloam_web_set_title(const char* title);
void gloam_web_message(const char* caption, const char* text);
void gloam_web_yield();
void gloam_web_pass_begun();
int gloam_web_viewport_width();
int gloam_web_viewport_height();
}
