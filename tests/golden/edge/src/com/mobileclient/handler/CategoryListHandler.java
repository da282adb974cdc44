package com.mobileclient.handler;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.List;

import org.xml.sax.Attributes;
import org.xml.sax.SAXException;
import org.xml.sax.helpers.DefaultHandler;

import com.mobileclient.domain.Category;
public class CategoryListHandler extends DefaultHandler {
	private List<Category> categoryList = null;
	private Category category;
	private String tempString;
	private StringBuilder valueBuffer = new StringBuilder();
	@Override
	public void characters(char[] ch, int start, int length) throws SAXException {
		super.characters(ch, start, length);
		if (category != null) { 
            valueBuffer.append(ch, start, length); 
        } 
	}

	@Override
	public void endElement(String uri, String localName, String qName) throws SAXException {
		super.endElement(uri, localName, qName);
		if (category != null) { 
            String valueString = valueBuffer.toString(); 
            if ("categoryName".equals(tempString)) 
            	category.setCategoryName(valueString); 
            else if ("parent".equals(tempString)) 
            	category.setParent(valueString); 
            else if ("picture".equals(tempString)) 
            	category.setPicture(valueString); 
        } 
		if("Category".equals(localName)&&category!=null){
			categoryList.add(category);
			category = null; 
		}
		tempString = null;
	}

	@Override
	public void startDocument() throws SAXException {
		super.startDocument();
		categoryList = new ArrayList<Category>();
	}

	@Override
	public void startElement(String uri, String localName, String qName,Attributes attributes) throws SAXException {
		super.startElement(uri, localName, qName, attributes);
        if ("Category".equals(localName)) {
            category = new Category(); 
        }
        tempString = localName; 
        valueBuffer.setLength(0);
	}

	public List<Category> getCategoryList() {
		return this.categoryList;
	}
}
